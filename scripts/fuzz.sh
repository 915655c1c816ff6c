#!/bin/sh
# Runs every fuzz target for MINUTES minutes each (default 10; "20s" for seconds), JOBS targets at a
# time (default 1), from its seed corpus in fuzz/corpus, before a release. Builds the instrumented fuzz tree in
# build-fuzz with clang. Prints each target's executions and coverage; at a crash, the end of its log
# (the input libFuzzer leaves in build-fuzz/) and exit 1.
set -eu
cd "$(dirname "$0")/.."
time=${1:-10}
case $time in
*s) seconds=${time%s} ;;
*) seconds=$((time * 60)) ;;
esac
jobs=${2:-1}
cmake -S . -B build-fuzz -DWALL_FUZZ=ON -DWALL_BUILD_UI=OFF -DWALL_BUILD_BENCH=OFF \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-fuzz -j2 --target fuzz_targets

fuzz() {
    name=$1
    corpus=build-fuzz/corpus/$name
    mkdir -p "$corpus"
    [ -d "fuzz/corpus/$name" ] && cp -n fuzz/corpus/"$name"/* "$corpus"/ 2>/dev/null || true
    (cd build-fuzz && "bin/$name" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
        "corpus/$name" 2>"$name.log") && echo ok >"build-fuzz/$name.status" || echo crash >"build-fuzz/$name.status"
}

names=$(cd build-fuzz/bin && ls fuzz_*)
running=0
for name in $names; do
    echo "fuzzing $name for $seconds s"
    fuzz "$name" &
    running=$((running + 1))
    if [ "$running" -ge "$jobs" ]; then
        wait
        running=0
    fi
done
wait

failed=0
for name in $names; do
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "build-fuzz/$name.log")
    coverage=$(grep -o 'cov: [0-9]*' "build-fuzz/$name.log" | tail -1)
    echo "$name: ${executions:-?} executions, $coverage, $(cat "build-fuzz/$name.status")"
    if [ "$(cat "build-fuzz/$name.status")" != ok ]; then
        tail -40 "build-fuzz/$name.log"
        failed=1
    fi
done
[ "$failed" = 0 ] && echo "fuzzing: no crash"
exit "$failed"
