#!/usr/bin/env python3
"""wallcalc batch against wallcalc analyse: every row of a folder, a JSON Lines and a CSV batch must
carry what `analyse --json` gives for the same case (values equal as floats, the same verdicts), a
refused or unreadable case its reason as `analyse` or `set` words it, and the output must not depend
on the number of threads.

    batch_test.py WALLCALC WORK_DIR
"""
import csv
import io
import json
import os
import shutil
import struct
import subprocess
import sys
import zipfile

wallcalc, work = os.path.abspath(sys.argv[1]), sys.argv[2]
shutil.rmtree(work, ignore_errors=True)
os.makedirs(os.path.join(work, "cases"))
os.chdir(work)
problems = []


def run(*args):
    return subprocess.run([wallcalc, *args], capture_output=True, text=True)


def must(*args):
    r = run(*args)
    if r.returncode != 0:
        sys.exit(f"wallcalc {' '.join(args)} failed ({r.returncode}): {r.stderr}")
    return r


def expect(condition, what):
    if not condition:
        problems.append(what)


def analysed(path):
    """What analyse says of a case file: ("ok", its JSON) or ("refused", the reason)."""
    r = run("analyse", path, "--json")
    if r.returncode == 0:
        return "ok", json.loads(r.stdout)
    assert r.returncode == 1 and r.stderr.startswith("wallcalc: "), r.stderr
    return "refused", r.stderr[len("wallcalc: "):].rstrip("\n")


def f32(x):
    return None if x is None or x == "" else struct.unpack("f", struct.pack("f", float(x)))[0]


def compare(where, row, expected, csv_row):
    status, a = expected
    expect(row["status"] == status, f"{where}: status {row['status']}, analyse: {status}")
    if status == "refused":
        expect(row["reason"] == a, f"{where}: reason {row['reason']!r}, expected {a!r}")
        return
    expect(int(row["wallType"]) == a["wallType"], f"{where}: wallType")
    for key in ("W", "Ex", "Ey", "Kq", "Kh", "e0", "sigmaMax", "sigmaMin", "pk"):
        expect(f32(row[key]) == f32(a[key]), f"{where}: {key} {row[key]!r}, analyse {a[key]!r}")
    v = a["verdict"]
    if csv_row:
        checks = dict(item.split(":") for item in row["checks"].split(";"))
        failed = row["failed"].split(";") if row["failed"] else []
        warnings = row["warnings"].split(";") if row["warnings"] else []
        all_pass = row["allPass"] == "true"
        sections = [s.split(":") for s in row["sections"].split(";")] if row["sections"] else []
        expect([n for n, t in checks.items() if t == "不满足"] == v["failed"], f"{where}: checks {checks}")
        expect([n for n, t in checks.items() if t == "警告"] == v["warnings"], f"{where}: checks {checks}")
    else:
        failed, warnings, all_pass = row["failed"], row["warnings"], row["allPass"]
        sections = [(s["name"], s["As"], s["omega"]) for s in row.get("sections", [])]
        expect([n for n, ok in row["checks"].items() if not ok] == v["failed"], f"{where}: checks")
    expect(all_pass == v["allPass"] and failed == v["failed"] and warnings == v["warnings"],
           f"{where}: verdict {all_pass} {failed} {warnings}, analyse {v}")
    want = [(s["name"], s["As"], s["omega"]) for s in a.get("rc", {}).get("sections", [])]
    expect(len(sections) == len(want) and all(
        s[0] == w[0] and f32(s[1]) == f32(w[1]) and f32(s[2]) == f32(w[2]) for s, w in zip(sections, want)),
        f"{where}: sections {sections}, analyse {want}")


def rows_of(path):
    with open(path, encoding="utf-8", newline="") as f:
        if path.endswith(".csv"):
            return list(csv.DictReader(f)), True
        return [json.loads(line) for line in f], False


def check_batch(name, expected, *args):
    """Runs the batch into .csv and .jsonl and compares every row; `expected` maps id -> analysed."""
    for ext in ("csv", "jsonl"):
        out = f"{name}.{ext}"
        must("batch", *args, "-o", out)
        rows, csv_row = rows_of(out)
        ids = [str(r["id"]) for r in rows]
        expect(ids == list(expected), f"{out}: ids {ids}, expected {list(expected)}")
        for row in rows:
            if str(row["id"]) in expected:
                compare(f"{out} row {row['id']}", row, expected[str(row["id"])], csv_row)
        # The same bytes on one thread and on three.
        with open(out, "rb") as f:
            first = f.read()
        for threads in ("1", "3"):
            must("batch", *args, "-o", out, "--force", "--threads", threads)
            with open(out, "rb") as f:
                expect(f.read() == first, f"{out}: bytes differ with --threads {threads}")


# Every wall type, a case with a bearing check (text format keeps fa), a refused case, a file that is
# no case.
for t in ("gravity", "semi-gravity", "shelf", "cantilever", "counterfort"):
    must("new", "--type", t, "-o", f"cases/{t}.dat")
must("new", "--type", "cantilever", "-o", "cases/fa.wall.json")
must("set", "cases/fa.wall.json", "foundation.fa=180", "m_fHeight=5.5")
must("new", "--type", "gravity", "-o", "cases/refused.dat")
must("set", "cases/refused.dat", "m_fWallFriction=35")
with open("cases/zz-not-a-case.dat", "wb") as f:
    f.write(b"not a case")
files = sorted(os.listdir("cases"))

# A folder: ids are the file names, in name order.
check_batch("folder", {n: analysed(f"cases/{n}") for n in files}, "cases")

# JSON Lines: one case per line as `show --json` prints it, a blank line (no row; ids stay line
# numbers) and a line that is no case.
lines, expected = [], {}
for n in files[:-1]:
    lines.append(must("show", f"cases/{n}", "--json").stdout.rstrip("\n"))
    expected[str(len(lines))] = analysed(f"cases/{n}")
    if len(lines) == 2:
        lines.append("")
lines.append('{"format":"wallcalc-case","version":1,"wallType":3,"wall":{"m_fHeight":"high"}}')
with open("bad.wall.json", "w") as f:
    f.write(lines[-1])
status, reason = analysed("bad.wall.json")
expected[str(len(lines))] = (status, reason.replace("无法读取工况文件 bad.wall.json：", "无法读取工况："))
with open("cases.jsonl", "w") as f:
    f.write("\n".join(lines) + "\n")
check_batch("jsonl", expected, "cases.jsonl")

# CSV over a base case: each row is what `set` makes of a copy of the base, cells applied left to
# right, an empty cell keeping the base's value. Ids are line numbers, the header being line 1.
header = ["wallType", "m_fHeight", "m_fWallFriction", "foundation.fa", "m_afSlope[0][1]"]
table = [["", "6.5", "", "", ""],
         ["", '"7.25"', "", "220", "1.5"],
         ["4", "", "", "", ""],
         ["1", "4", "", "", "-0.5"],
         ["", "0", "", "", ""],        # set refuses a height of zero
         ["", "", "35", "", ""],       # δ above φ: the calculation refuses
         ["2", "", "", "150", ""]]
with open("cases.csv", "w") as f:
    f.write(",".join(header) + "\n\n")
    for cells in table:
        f.write(",".join(cells) + "\n")
expected = {}
for i, cells in enumerate(table):
    case = f"row{i}.wall.json"
    shutil.copy("cases/fa.wall.json", case)
    assignments = [f"{n}={c.strip(chr(34))}" for n, c in zip(header, cells) if c]
    r = run("set", case, *assignments)
    expected[str(i + 3)] = analysed(case) if r.returncode == 0 else ("refused", r.stderr[len("wallcalc: "):].rstrip())
check_batch("csv", expected, "cases.csv", "--base", "cases/fa.wall.json")

# Thousands of rows run in several chunks; still one row per line, in order, on any thread count.
with open("many.csv", "w") as f:
    f.write("m_fHeight,m_fTopWidth\n")
    for i in range(9000):
        f.write(f"{4 + i % 90 * 0.05:.2f},{0.3 + i % 5 * 0.05:.2f}\n")
outputs = []
for threads in ("1", "2", "5"):
    must("batch", "many.csv", "-o", f"many-{threads}.csv", "--threads", threads)
    with open(f"many-{threads}.csv", "rb") as f:
        outputs.append(f.read())
rows = list(csv.DictReader(io.StringIO(outputs[0].decode())))
expect([r["id"] for r in rows] == [str(i + 2) for i in range(9000)], "many.csv: ids")
expect(outputs[1] == outputs[0] and outputs[2] == outputs[0], "many.csv: bytes differ between thread counts")

# An existing output is kept without --force; a command line that cannot be understood exits 2.
with open("folder.csv", "rb") as f:
    before = f.read()
r = run("batch", "cases", "-o", "folder.csv")
with open("folder.csv", "rb") as f:
    expect(r.returncode == 1 and f.read() == before, f"batch replaced folder.csv without --force: {r.returncode}")
for args in (["cases", "-o", "out.txt"], ["cases.jsonl", "--base", "cases/fa.wall.json", "-o", "o.csv"]):
    r = run("batch", *args)
    expect(r.returncode == 2 and not os.path.exists(args[-1]), f"batch {args}: exit {r.returncode}")

# --reports: a report named after each calculated case's id, none for the refused ones.
must("batch", "cases", "-o", "reported.jsonl", "--reports", "reports")
with open("reported.jsonl") as f:
    ok = sorted(row["id"] for row in map(json.loads, f) if row["status"] == "ok")
reports = sorted(n[:-len(".docx")] for n in os.listdir("reports") if n.endswith(".docx"))
expect(reports == ok, f"reports {reports}, calculated {ok}")
for n in reports:
    expect(zipfile.ZipFile(f"reports/{n}.docx").testzip() is None, f"reports/{n}.docx is damaged")

for p in problems:
    print(p)
sys.exit(1 if problems else 0)
