#!/usr/bin/python3
"""The PDF report from the outside, for every wall type's default case: the report's lines in order
in pdftotext's output, every font embedded, fractions stacked, and the page count within one (or a tenth) of
LibreOffice's rendering of the same report's .docx."""
import os
import re
import shutil
import subprocess
import sys

wallcalc, work = sys.argv[1], sys.argv[2]
os.makedirs(work, exist_ok=True)
for tool in ("pdftotext", "pdffonts", "pdfinfo"):
    if not shutil.which(tool):
        print(f"skipped: {tool} missing (poppler-utils)")
        sys.exit(77)
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)


def run(*args):
    return subprocess.run([wallcalc, *args], check=True, capture_output=True, text=True).stdout


def pages(pdf):
    return int(re.search(r"Pages:\s+(\d+)", subprocess.run(["pdfinfo", pdf], capture_output=True,
                                                            text=True, check=True).stdout).group(1))


def squeeze(s):
    return re.sub(r"\s+", "", s)


for wall_type in ("gravity", "semi-gravity", "shelf", "cantilever", "counterfort"):
    case = os.path.join(work, wall_type + ".dat")
    run("new", "--type", wall_type, "-o", case, "--force")
    docx = os.path.join(work, wall_type + ".docx")
    plain = run("report", case, "-o", docx, "--pdf", "--force", "--text", "--workdir", work)
    pdf = docx[:-5] + ".pdf"
    check(os.path.exists(pdf), f"{wall_type}: --pdf writes {pdf}")

    # Every text segment of the plain report (cells split apart; fractions, which the PDF stacks,
    # left out) is found in the extracted text, after the one before it. A table cell whose text
    # wraps is read line by line across the row, so a cell's characters need only come in order
    # within the row's stretch of text.
    text = squeeze(subprocess.run(["pdftotext", "-raw", pdf, "-"], capture_output=True, text=True, check=True).stdout)
    at, missing = 0, []
    for line in plain.splitlines():
        for segment in re.split(r"\t| {4,}", line):
            seg = squeeze(segment)
            if not seg or ")/(" in seg:
                continue
            found = text.find(seg, at)
            if found >= 0:
                at = found + len(seg)
                continue
            k = at
            for ch in seg:
                k = text.find(ch, k, at + 300) + 1
                if k == 0:
                    missing.append(seg)
                    break
    check(not missing, f"{wall_type}: report lines in order in pdftotext ({len(missing)} not found: {missing[:5]})")
    check("kN/m" in text and "土压力" in text, f"{wall_type}: text search finds kN/m and 土压力")

    fonts = subprocess.run(["pdffonts", pdf], capture_output=True, text=True, check=True).stdout.splitlines()[2:]
    check(fonts and all(re.search(r"\s(yes)\s+(yes|no)\s+(yes|no)\s+\d+\s+\d+$", f) for f in fonts),
          f"{wall_type}: every font embedded: {fonts}")

    # A fraction: its numerator's words sit above its denominator's, both between its neighbours'
    # lines, i.e. some word has another word centred on it less than a line below it.
    bbox = subprocess.run(["pdftotext", "-bbox", "-f", "2", "-l", "3", pdf, "-"], capture_output=True,
                          text=True, check=True).stdout
    stacked = False
    for page in bbox.split("<page ")[1:]:
        words = [tuple(map(float, m[:4])) for m in
                 re.findall(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">', page)]
        stacked = stacked or any(0 < b[1] - a[1] < 14 and abs((a[0] + a[2]) - (b[0] + b[2])) < 8 and a[1] > 100
                                 for a in words for b in words if a is not b)
    check(stacked, f"{wall_type}: a fraction's parts stacked on pages 2 and 3")

    if shutil.which("soffice"):
        lo = os.path.join(work, "lo")
        subprocess.run(["soffice", "-env:UserInstallation=file://" + os.path.join(work, "lo-profile"),
                        "--headless", "--convert-to", "pdf", "--outdir", lo, docx],
                       check=True, capture_output=True)
        ours, theirs = pages(pdf), pages(os.path.join(lo, wall_type + ".pdf"))
        print(f"{wall_type}: {ours} pages, LibreOffice {theirs}")
        # The layouts agree line for line only roughly (equation heights differ a little), so the
        # difference may grow with the length: one page, or one in ten.
        check(abs(ours - theirs) <= max(1, round(0.1 * theirs)), f"{wall_type}: {ours} pages against LibreOffice's {theirs}")

# -o X.pdf alone writes the PDF and no .docx; a missing module or font would be an error.
only = os.path.join(work, "only.pdf")
run("report", "-o", only, "--force", "--workdir", work)
check(os.path.exists(only) and not os.path.exists(os.path.join(work, "only.docx")), "-o X.pdf writes the PDF alone")
with open(only, "rb") as f:
    check(f.read(5) == b"%PDF-", "-o X.pdf is a PDF")

# --pdf beside -o X.docx replaces an existing X.pdf only with --force, as -o itself.
kept = os.path.join(work, "kept.pdf")
with open(kept, "w") as f:
    f.write("keep")
refused = subprocess.run([wallcalc, "report", "-o", os.path.join(work, "kept.docx"), "--pdf", "--workdir", work],
                         capture_output=True, text=True)
with open(kept) as f:
    check(refused.returncode != 0 and f.read() == "keep" and "--force" in refused.stderr
          and not os.path.exists(os.path.join(work, "kept.docx")), "--pdf leaves an existing PDF without --force")

sys.exit(1 if failures else 0)
