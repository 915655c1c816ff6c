#!/bin/sh
# Runs every fuzz target for MINUTES minutes each (default 10), from its seed corpus in fuzz/corpus,
# before a release. Builds the instrumented fuzz tree in build-fuzz with clang. Stops at the first
# crash, whose input libFuzzer leaves in build-fuzz/.
set -eu
cd "$(dirname "$0")/.."
minutes=${1:-10}
cmake -S . -B build-fuzz -DWALL_FUZZ=ON -DWALL_BUILD_UI=OFF -DWALL_BUILD_BENCH=OFF \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-fuzz -j2 --target fuzz_targets
for f in build-fuzz/bin/fuzz_*; do
    name=$(basename "$f")
    corpus=build-fuzz/corpus/$name
    mkdir -p "$corpus"
    [ -d "fuzz/corpus/$name" ] && cp -n fuzz/corpus/"$name"/* "$corpus"/ 2>/dev/null || true
    echo "fuzzing $name for $minutes min"
    (cd build-fuzz && "../$f" -max_total_time=$((minutes * 60)) -rss_limit_mb=2048 -print_final_stats=1 \
        "corpus/$name" 2>"$name.log") || { tail -40 "build-fuzz/$name.log"; exit 1; }
    grep -E "stat::number_of_executed_units|cov:" "build-fuzz/$name.log" | tail -2
done
echo "fuzzing: no crash"
