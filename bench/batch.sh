#!/usr/bin/env bash
# Speed of batch runs: the analysis of one case on one thread (batch_bench, every wall type), and
# whole `wallcalc batch` runs over a CSV of ROWS counterfort cases (height and top width varied) on
# every core. Prints the figures; fails when the analysis of a wall type's case runs below
# WALLCALC_BATCH_MIN_RATE cases/s (150000), a five-layer case with water takes more than 3 times its
# type's one-layer time, or a run's median wall-clock time is above WALLCALC_BATCH_LIMIT_S seconds (3).
#   bench/batch.sh BUILD_DIR [ROWS] [RUNS]      ROWS defaults to 100000, RUNS to 3
set -euo pipefail
build=${1:?usage: bench/batch.sh BUILD_DIR [ROWS] [RUNS]}
rows=${2:-100000}
runs=${3:-3}
min_rate=${WALLCALC_BATCH_MIN_RATE:-150000}
limit=${WALLCALC_BATCH_LIMIT_S:-3}
wallcalc=$build/bin/wallcalc
bench=$build/bin/batch_bench
for program in "$wallcalc" "$bench"; do
    [[ -x $program ]] || { echo "batch.sh: 找不到 $program（ninja -C $build wallcalc batch_bench）" >&2; exit 2; }
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Repetitions interleaved at random, the best of each: the machine's drift falls on both sides of a ratio.
"$bench" --benchmark_filter='BM_Calculate(Case|Layered)' --benchmark_repetitions=5 \
    --benchmark_enable_random_interleaving=true --benchmark_format=json --benchmark_out="$tmp/bench.json" \
    --benchmark_out_format=json >/dev/null

python3 - "$wallcalc" "$tmp" "$rows" "$runs" "$min_rate" "$limit" <<'PY'
import json, os, statistics, sys, time

wallcalc, tmp, rows, runs, min_rate, limit = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4]), \
    float(sys.argv[5]), float(sys.argv[6])
failures = []

names = ["gravity", "semi-gravity", "shelf", "cantilever", "counterfort"]
one_layer = {}
best = {}
for b in json.load(open(os.path.join(tmp, "bench.json")))["benchmarks"]:
    if b.get("run_type") == "iteration":
        best[b["run_name"]] = max(best.get(b["run_name"], 0), b["items_per_second"])
for name, rate in sorted(best.items(), key=lambda item: (item[0].startswith("BM_CalculateLayered"), item[0])):
    wall_type = int(name.rsplit(":", 1)[1])
    if name.startswith("BM_CalculateLayered"):
        ratio = one_layer[wall_type] / rate
        print(f"分析 {names[wall_type]:<13} 五层土和水 {rate:10.0f} 个/秒，为一层干土耗时的 {ratio:.2f} 倍", flush=True)
        if ratio > 3:
            failures.append(f"{names[wall_type]} 五层土和水的分析耗时为一层干土的 {ratio:.2f} 倍，超过 3 倍")
        continue
    one_layer[wall_type] = rate
    print(f"分析 {names[wall_type]:<13} {rate:10.0f} 个/秒（单线程，CPU 时间）", flush=True)
    if rate < min_rate:
        failures.append(f"{names[wall_type]} 的分析 {rate:.0f} 个/秒，低于 {min_rate:.0f}")

# Heights 4.00 to 8.95 m and top widths 0.30 to 0.60 m over the default counterfort case.
csv = os.path.join(tmp, "cases.csv")
with open(csv, "w") as f:
    f.write("m_fHeight,m_fTopWidth\n")
    for i in range(rows):
        f.write(f"{4 + (i % 100) * 0.05:.2f},{0.3 + (i // 100 % 7) * 0.05:.2f}\n")

def run(out):
    start = time.perf_counter()
    pid = os.posix_spawn(wallcalc, [wallcalc, "batch", csv, "-o", out, "--force"], os.environ,
                         file_actions=[(os.POSIX_SPAWN_OPEN, 2, os.devnull, os.O_WRONLY, 0)])
    _, status, usage = os.wait4(pid, 0)
    seconds = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"batch.sh: wallcalc batch 失败（退出码 {os.waitstatus_to_exitcode(status)}）")
    return seconds, usage.ru_utime + usage.ru_stime

for ext in ("csv", "jsonl"):
    out = os.path.join(tmp, "results." + ext)
    timings = [run(out) for _ in range(runs)]
    seconds = statistics.median(t[0] for t in timings)
    cpu = statistics.median(t[1] for t in timings)
    with open(out, "rb") as f:
        lines = sum(1 for _ in f)
    print(f"wallcalc batch {rows} 行 CSV → .{ext:<5} 中位 {seconds:5.2f} s（{rows / seconds:8.0f} 个/秒，"
          f"CPU {cpu:5.2f} s，{os.cpu_count()} 个核，{runs} 次，{lines} 行输出）", flush=True)
    if seconds > limit:
        failures.append(f".{ext} 输出的批量计算中位 {seconds:.2f} s，超过 {limit:g} s")

for f in failures:
    print("batch.sh: " + f, file=sys.stderr)
sys.exit(1 if failures else 0)
PY
