#!/usr/bin/env bash
# The PDF report against LibreOffice's conversion of the .docx, in one run: median wall time of
# whole `wallcalc report -o X.pdf` processes on the default counterfort case, and of
# `soffice --headless --convert-to pdf` of the same report's .docx. Fails when the PDF takes more
# than the limit or is not at least 20 times faster.
#   bench/pdf.sh BUILD_DIR [RUNS]      RUNS defaults to 10; WALLCALC_PDF_LIMIT_MS to 300
set -euo pipefail
build=${1:?usage: bench/pdf.sh BUILD_DIR [RUNS]}
runs=${2:-10}
limit=${WALLCALC_PDF_LIMIT_MS:-300}
wallcalc=$build/bin/wallcalc
[[ -x $wallcalc ]] || { echo "pdf.sh: 找不到 $wallcalc" >&2; exit 2; }
command -v soffice >/dev/null || { echo "pdf.sh: 需要 LibreOffice (soffice) 作对比" >&2; exit 2; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$wallcalc" new --type counterfort -o "$tmp/case.dat" >/dev/null

python3 - "$wallcalc" "$tmp" "$runs" "$limit" <<'PY'
import os, statistics, subprocess, sys, time

wallcalc, tmp, runs, limit = sys.argv[1], sys.argv[2], int(sys.argv[3]), float(sys.argv[4])
case = os.path.join(tmp, "case.dat")

def timed(args):
    start = time.perf_counter()
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return (time.perf_counter() - start) * 1000

pdf = os.path.join(tmp, "r.pdf")
timed([wallcalc, "report", case, "-o", pdf, "--force", "--workdir", tmp])  # fills the page cache
ours = [timed([wallcalc, "report", case, "-o", pdf, "--force", "--workdir", tmp]) for _ in range(runs)]
docx = os.path.join(tmp, "r.docx")
subprocess.run([wallcalc, "report", case, "-o", docx, "--force", "--workdir", tmp], check=True,
               stderr=subprocess.DEVNULL)
profile = "-env:UserInstallation=file://" + os.path.join(tmp, "lo-profile")
office = [timed(["soffice", profile, "--headless", "--convert-to", "pdf", "--outdir",
                 os.path.join(tmp, "lo"), docx]) for _ in range(3)]
m, o = statistics.median(ours), statistics.median(office)
print(f"wallcalc report -o X.pdf   中位 {m:7.1f} ms  最小 {min(ours):7.1f} ms  最大 {max(ours):7.1f} ms")
print(f"soffice --convert-to pdf   中位 {o:7.1f} ms  最小 {min(office):7.1f} ms  最大 {max(office):7.1f} ms")
print(f"快 {o / m:.1f} 倍（要求 ≥ 20 倍），限值 {limit:.0f} ms")
if m > limit or o / m < 20:
    sys.exit("pdf.sh: 未达到要求")
PY
