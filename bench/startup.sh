#!/usr/bin/env bash
# Start-up cost of wallcalc: median CPU time (user+sys) of whole `wallcalc --help` and
# `wallcalc analyse CASE --json` runs; fails when the analysis run's median is above the limit.
#   bench/startup.sh BUILD_DIR [RUNS]      RUNS defaults to 20; WALLCALC_STARTUP_LIMIT_MS to 10
set -euo pipefail
build=${1:?usage: bench/startup.sh BUILD_DIR [RUNS]}
runs=${2:-20}
limit=${WALLCALC_STARTUP_LIMIT_MS:-10}
wallcalc=$build/bin/wallcalc
[[ -x $wallcalc ]] || { echo "startup.sh: 找不到 $wallcalc" >&2; exit 2; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$wallcalc" new --type counterfort -o "$tmp/case.dat" >/dev/null

# Each run's CPU time comes from wait4's resource usage of that child alone, so the measuring
# python's own start-up is not counted.
python3 - "$wallcalc" "$tmp/case.dat" "$runs" "$limit" <<'PY'
import os, statistics, sys

wallcalc, case, runs, limit = sys.argv[1], sys.argv[2], int(sys.argv[3]), float(sys.argv[4])

def cpu_ms(args):
    out = os.open(os.devnull, os.O_WRONLY)
    try:
        pid = os.posix_spawn(wallcalc, [wallcalc, *args], os.environ,
                             file_actions=[(os.POSIX_SPAWN_DUP2, out, 1)])
        _, status, usage = os.wait4(pid, 0)
    finally:
        os.close(out)
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"startup.sh: wallcalc {' '.join(args)} 失败（退出码 {os.waitstatus_to_exitcode(status)}）")
    return (usage.ru_utime + usage.ru_stime) * 1000

medians = {}
for args in (["--help"], ["analyse", case, "--json"]):
    cpu_ms(args)  # the first run fills the page cache
    times = [cpu_ms(args) for _ in range(runs)]
    name = "wallcalc " + " ".join("CASE" if a == case else a for a in args)
    medians[name] = statistics.median(times)
    print(f"{name:<30} 中位 {medians[name]:6.2f} ms  最小 {min(times):6.2f} ms  最大 {max(times):6.2f} ms"
          f"  （{runs} 次，CPU 时间 user+sys）", flush=True)

analyse = medians["wallcalc analyse CASE --json"]
if analyse > limit:
    sys.exit(f"startup.sh: analyse 的中位 CPU 时间 {analyse:.2f} ms 超过 {limit:g} ms")
PY
