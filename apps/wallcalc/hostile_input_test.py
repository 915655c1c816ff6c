#!/usr/bin/env python3
"""Inputs a careless or hostile user gives the command line: each is refused with a reason (exit 1 for a
refused value, 2 for a usage error) and changes nothing; what is accepted is stored as checked.

Usage: hostile_input_test.py WALLCALC SCRATCH
"""
import json
import os
import subprocess
import sys

wallcalc, scratch = sys.argv[1:3]
os.makedirs(scratch, exist_ok=True)
os.chdir(scratch)
failures = []


def run(*args):
    return subprocess.run([wallcalc, *args], capture_output=True, text=True)


def expect(ok, what):
    if not ok:
        failures.append(what)


run("new", "--type", "gravity", "-o", "g.wall.json", "--force")
with open("g.wall.json", "rb") as f:
    before = f.read()

# (arguments, exit code, a word of the message); the case file must not change.
refused = [
    (["set", "g.wall.json", "m_fHeight=1e-50"], 1, "太小"),
    (["set", "g.wall.json", "m_fTopWidth=-1e-45"], 1, "太小"),
    (["set", "g.wall.json", "m_fToeWidth=0." + "0" * 398 + "5e-5"], 1, "太小"),
    (["set", "g.wall.json", "m_afLayer[4294967296][0]=1"], 1, "行列号超出范围"),
    (["set", "g.wall.json", "m_afLayer[0][99999999999999999999]=1"], 1, "行列号超出范围"),
    (["size", "g.wall.json", "-o", "x.wall.json", "--vary", "m_fHeight"], 2, "m_fHeight"),
    (["size", "g.wall.json", "-o", "x.wall.json", "--vary", "m_fUnitWeight"], 2, "m_fUnitWeight"),
    (["size", "g.wall.json", "-o", "x.wall.json", "--step", "1e309"], 2, "--step"),
    (["size", "g.wall.json", "-o", "x.csv", "--heights", "3:1e6:100"], 2, "--heights"),
]
for args, code, word in refused:
    r = run(*args)
    expect(r.returncode == code and word in r.stderr, f"{args}: exit {r.returncode}, {r.stderr.strip()}")
    with open("g.wall.json", "rb") as f:
        expect(f.read() == before, f"{args} changed the case")
    expect(not os.path.exists("x.wall.json") and not os.path.exists("x.csv"), f"{args} wrote an output")

# An integer beyond int32 in a case file is refused as typed, naming the field.
with open("big.wall.json", "w", encoding="utf-8") as f:
    f.write('{"format": "wallcalc-case", "version": 1, "wallType": 0, "soil": {"m_nTheory": 4294967296}}')
r = run("show", "big.wall.json")
expect(r.returncode == 1 and "soil.m_nTheory" in r.stderr and "4294967296" in r.stderr, f"int32: {r.stderr}")

# Heights that %g prints alike get labels of their own, in the table and the reports' names; reports
# already in the folder are replaced only with --force.
r = run("size", "g.wall.json", "-o", "h.csv", "--force", "--heights", "6:6.0000002:0.0000001")
expect(r.returncode == 0, f"close heights: {r.stderr}")
if r.returncode == 0:
    with open("h.csv", encoding="utf-8") as f:
        labels = [line.split(",")[0] for line in f.read().splitlines()[1:]]
    expect(len(labels) == 3 and len(set(labels)) == 3, f"labels not unique: {labels}")
os.makedirs("reports", exist_ok=True)
with open("reports/H6.docx", "w") as f:
    f.write("kept")
if os.path.exists("r.csv"):
    os.remove("r.csv")
r = run("size", "g.wall.json", "-o", "r.csv", "--heights", "6:6:1", "--reports", "reports")
with open("reports/H6.docx") as f:
    expect(r.returncode == 1 and "--force" in r.stderr and f.read() == "kept", f"reports replaced: {r.stderr}")

# Outputs that must stay as they are: a drawing without --force, the batch's own input, a read-only
# case (also for root), a pipe in the output's place (never replaced by a regular file).
import stat
with open("old.svg", "w") as f:
    f.write("kept")
run("new", "--type", "cantilever", "-o", "ro.wall.json", "--force")
os.chmod("ro.wall.json", 0o444)
with open("rows.jsonl", "w") as f:
    f.write('{"id": "a", "case": {"format": "wallcalc-case", "version": 1, "wallType": 0}}\n')
if os.path.exists("pipe"):
    os.remove("pipe")
os.mkfifo("pipe")
kept = {name: open(name, "rb").read() for name in ("old.svg", "ro.wall.json", "rows.jsonl")}
for args, code in [(["sketch", "g.wall.json", "-o", "old.svg"], 1),
                   (["batch", "rows.jsonl", "-o", "rows.jsonl", "--force"], 2),
                   (["set", "ro.wall.json", "m_fHeight=7"], 1),
                   (["report", "g.wall.json", "-o", "pipe", "--force", "--text"], 1),
                   (["report", "g.wall.json", "-o", "x.txt"], 2)]:
    r = run(*args)
    expect(r.returncode == code and r.stderr, f"{args}: exit {r.returncode}, {r.stderr.strip()}")
for name, data in kept.items():
    expect(open(name, "rb").read() == data, f"{name} changed")
expect(stat.S_ISFIFO(os.lstat("pipe").st_mode), "the pipe was replaced")
expect(not os.path.exists("x.txt"), "a report named .txt was written")

# As root, a private device node in an output's place is refused by every writer and stays a device.
if os.geteuid() == 0:
    if os.path.lexists("null"):
        os.remove("null")
    os.mknod("null", 0o666 | stat.S_IFCHR, os.makedev(1, 3))
    run("new", "--type", "gravity", "-o", "g.dat", "--force")
    for args in (["report", "g.wall.json", "-o", "null", "--force"], ["convert", "g.dat", "null", "--force"],
                 ["sketch", "g.wall.json", "-o", "null", "--force"], ["set", "null", "m_fHeight=7"]):
        r = run(*args)
        expect(r.returncode == 1 and r.stderr, f"{args} on a device: exit {r.returncode}, {r.stderr.strip()}")
        expect(stat.S_ISCHR(os.lstat("null").st_mode), f"{args} replaced the device node")

# Twenty `set` at once on a case with a second hard link, round after round: the case always reads,
# through both links, as one writer's value.
run("new", "--type", "gravity", "-o", "shared.wall.json", "--force")
if os.path.exists("shared-link.wall.json"):
    os.remove("shared-link.wall.json")
os.link("shared.wall.json", "shared-link.wall.json")
for round in range(15):
    # Values of different lengths, so that two interleaved writes would leave a text of neither.
    heights = [f"{5 + i / 7:.{i % 7}f}" for i in range(20)]
    writers = [subprocess.Popen([wallcalc, "set", "shared.wall.json", f"m_fHeight={h}"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL) for h in heights]
    codes = [w.wait() for w in writers]
    shown = [run("show", name) for name in ("shared.wall.json", "shared-link.wall.json")]
    values = {float(line.split()[1]) for r in shown for line in r.stdout.splitlines() if line.startswith("m_fHeight ")}
    ok = codes == [0] * 20 and all(r.returncode == 0 for r in shown) and len(values) == 1 and \
        any(abs(v - float(h)) < 1e-4 for v in values for h in heights)
    expect(ok, f"concurrent set, round {round}: exits {codes}, values {values}")
    if not ok:
        break

# A report whose drawings cannot be saved (a folder in a drawing's place) is incomplete: exit 1.
os.makedirs("full", exist_ok=True)
os.makedirs("full/r_挡土墙计算计算简图", exist_ok=True)
r = run("report", "g.wall.json", "-o", "full/r.docx", "--force")
expect(r.returncode == 1 and "不完整" in r.stderr, f"incomplete report: exit {r.returncode}, {r.stderr.strip()}")

# What the readers accept, the writers write and the readers read back. A slope row's length and
# angle follow from its run and rise, whatever the file says; a short unused row stays readable after
# `set`; a NaN or subnormal in an unused binary cell is written to text as 0, with a warning.
def case_with(slope):
    return {"format": "wallcalc-case", "version": 1, "wallType": 0, "soil": {"m_nSlopeSegs": 1, "m_nSlopeRows": 2, "m_afSlope": slope}}
for name, slope in (("fresh", [[4, 1]]), ("stale", [[4, 1, 99, 45]])):
    with open(name + ".wall.json", "w") as f:
        json.dump(case_with(slope), f)
a1, a2 = run("analyse", "--json", "fresh.wall.json"), run("analyse", "--json", "stale.wall.json")
expect(a1.returncode == 0 and a1.stdout == a2.stdout, "a stale slope angle changes the results")
with open("short.wall.json", "w") as f:
    json.dump(case_with([[4, 1], [0, 0]]), f)
r = run("set", "short.wall.json", "m_fHeight=6")
expect(r.returncode == 0 and run("show", "short.wall.json").returncode == 0, f"short row: {r.stderr}")
marked = case_with([[4, 1]])
layers = json.loads(run("show", "--json", "fresh.wall.json").stdout)["soil"]["m_afLayer"]
marked["soil"]["m_afLayer"] = layers[:-1] + [[12345.678] + layers[-1][1:]]
with open("marked.wall.json", "w") as f:
    json.dump(marked, f)
r = run("convert", "marked.wall.json", "marked.dat", "--force")
import struct
data = open("marked.dat", "rb").read()
at = data.find(struct.pack("<f", 12345.678))
expect(r.returncode == 0 and at >= 0, f"marker not found in the binary file: {r.stderr}")
for value in (float("nan"), 7e-45) if at >= 0 else ():
    # NaN, and a subnormal float that the text reader would refuse.
    with open("nan.dat", "wb") as f:
        f.write(data[:at] + struct.pack("<f", value) + data[at + 4:])
    r = run("convert", "nan.dat", "nan.wall.json", "--force")
    expect(r.returncode == 0 and "不是有限数" in r.stderr, f"{value} cell: {r.returncode} {r.stderr}")
    r = run("show", "nan.wall.json")
    expect(r.returncode == 0, f"the converted file does not read: {r.stderr}")

# Text case files a careless editor leaves: a byte-order mark reads; a duplicate key, a NUL with text
# after it, a number beyond a double or written non-zero that reads as 0, nesting without end are refused with the reason in Chinese.
head = b'{"format": "wallcalc-case", "version": 1, "wallType": 0'
for name, body, word in (("bom", b"\xef\xbb\xbf" + head + b"}", None),
                         ("dup", head + b', "wallType": 3}', "两次"),
                         ("nul", head + b"}\0garbage", "NUL"),
                         ("huge", head + b', "wall": {"m_fHeight": 1e309}}', "1e309"),
                         ("tiny", head + b', "wall": {"m_fToeWidth": 0.' + b"0" * 398 + b'5e-5}}', "m_fToeWidth"),
                         ("deep", head + b', "wall": ' + b"[" * 100000 + b"]" * 100000 + b"}", "嵌套")):
    with open(name + ".wall.json", "wb") as f:
        f.write(body)
    r = run("show", name + ".wall.json")
    ok = r.returncode == 0 if word is None else r.returncode == 1 and word in r.stderr
    expect(ok, f"{name}: exit {r.returncode}, {r.stderr.strip()}")

# A JSON Lines line beyond 4 MB is refused as its row, without taking the memory; the batch goes on.
with open("long.jsonl", "w") as f:
    f.write('{"format": "wallcalc-case", "version": 1, "wallType": 0, "x": "' + "a" * (5 << 20) + '"}\n')
    f.write('{"format": "wallcalc-case", "version": 1, "wallType": 0}\n')
r = run("batch", "long.jsonl", "-o", "long.csv", "--force")
rows = open("long.csv", encoding="utf-8").read().splitlines() if os.path.exists("long.csv") else []
expect(r.returncode == 0 and len(rows) == 3 and "超过" in rows[1], f"long line: {r.stderr} {rows[:2]}")

# A CSV header is refused unless `set` takes every column (a cell within its table, not a derived
# column); a batch of which no row can be calculated exits 1 with its rows written.
for header in ("m_afSlope[x]", "m_afSlope[99][0]", "m_afSlope[0][2]", "m_afLayer[0]", "wall.m_fHeight"):
    with open("h.csv", "w") as f:
        f.write(header + "\n1\n")
    if os.path.exists("hout.csv"):
        os.remove("hout.csv")
    r = run("batch", "h.csv", "-o", "hout.csv", "--force")
    expect(r.returncode == 1 and "表头第 1 列" in r.stderr and not os.path.exists("hout.csv"),
           f"header {header}: exit {r.returncode}, {r.stderr.strip()}")
with open("none.csv", "w") as f:
    f.write("m_fHeight\n0\n-1\n")
r = run("batch", "none.csv", "-o", "none-out.csv", "--force")
rows = open("none-out.csv", encoding="utf-8").read().splitlines() if os.path.exists("none-out.csv") else []
expect(r.returncode == 1 and "没有一个工况" in r.stderr and len(rows) == 3, f"all refused: {r.stderr} {rows}")

for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
