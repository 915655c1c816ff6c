#!/usr/bin/env bash
# Sizing speed, whole `wallcalc size` processes (wall-clock, median of RUNS): one case of each wall
# type, and a 15-height table of the counterfort case. Fails when the slowest single case's median is
# above 50 ms or the table's above 500 ms.
#   bench/sizing.sh BUILD_DIR [RUNS]      RUNS defaults to 5
set -euo pipefail
build=${1:?usage: bench/sizing.sh BUILD_DIR [RUNS]}
runs=${2:-5}
wallcalc=$build/bin/wallcalc
[[ -x $wallcalc ]] || { echo "sizing.sh: 找不到 $wallcalc" >&2; exit 2; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for t in gravity semi-gravity shelf cantilever counterfort; do "$wallcalc" new --type $t -o "$tmp/$t.dat" >/dev/null; done

python3 - "$wallcalc" "$tmp" "$runs" <<'PY'
import os, statistics, subprocess, sys, time

wallcalc, tmp, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])

def median_ms(args):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run([wallcalc, *args], check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        times.append((time.perf_counter() - start) * 1000)
    return statistics.median(times)

worst = 0
for t in ["gravity", "semi-gravity", "shelf", "cantilever", "counterfort"]:
    ms = median_ms(["size", f"{tmp}/{t}.dat", "-o", f"{tmp}/{t}.sized", "--force"])
    worst = max(worst, ms)
    print(f"wallcalc size {t:<13} 中位 {ms:7.1f} ms", flush=True)
table = median_ms(["size", f"{tmp}/counterfort.dat", "--heights", "3:10:0.5", "-o", f"{tmp}/h.csv", "--force"])
print(f"wallcalc size --heights 3:10:0.5（15 个高度）中位 {table:7.1f} ms（{os.cpu_count()} 核）")
failed = []
if worst > 50: failed.append(f"单个工况最长 {worst:.1f} ms 超过 50 ms")
if table > 500: failed.append(f"高度表 {table:.1f} ms 超过 500 ms")
if failed: sys.exit("sizing.sh: " + "；".join(failed))
PY
