#!/usr/bin/env python3
"""The text case format from the outside: the published schema is the program's own, every file the
program writes validates against it, binary → text → binary gives the same bytes for every wall type,
and bad files are refused naming the field.

Usage: case_format_test.py WALLCALC SCHEMA GENERATOR SCRATCH
"""
import filecmp
import json
import os
import subprocess
import sys

import jsonschema

wallcalc, schema_path, generator, scratch = sys.argv[1:5]
os.makedirs(scratch, exist_ok=True)
os.chdir(scratch)
failures = []


def run(*args):
    return subprocess.run([wallcalc, *args], capture_output=True, text=True)


def expect(ok, what):
    if not ok:
        failures.append(what)


with open(schema_path, encoding="utf-8") as f:
    schema = json.load(f)
regenerated = subprocess.run([sys.executable, generator, wallcalc], check=True, capture_output=True, text=True).stdout
expect(json.loads(regenerated) == schema, "docs/case.schema.json differs from the field table: regenerate it")
validator = jsonschema.Draft202012Validator(schema)


def valid(path):
    with open(path, encoding="utf-8") as f:
        errors = [e.message for e in validator.iter_errors(json.load(f))]
    expect(not errors, f"{path} does not validate: {errors[:3]}")


for t in ["gravity", "semi-gravity", "shelf", "cantilever", "counterfort"]:
    for name in (f"{t}.dat", f"{t}.wall.json", f"{t}.back.dat"):
        if os.path.exists(name):
            os.remove(name)
    expect(run("new", "--type", t, "-o", f"{t}.dat").returncode == 0, f"new {t}")
    expect(run("convert", f"{t}.dat", f"{t}.wall.json").returncode == 0, f"convert {t} to text")
    expect(run("convert", f"{t}.wall.json", f"{t}.back.dat").returncode == 0, f"convert {t} back")
    expect(filecmp.cmp(f"{t}.dat", f"{t}.back.dat", shallow=False), f"{t}: binary → text → binary changed bytes")
    valid(f"{t}.wall.json")
    # `set` keeps the text format and the text-only inputs.
    expect(run("set", f"{t}.wall.json", "foundation.fa=180", "checks.sliding=1.4").returncode == 0, f"set {t}")
    valid(f"{t}.wall.json")
    with open(f"{t}.wall.json", encoding="utf-8") as f:
        saved = json.load(f)
    expect(saved["foundation"]["fa"] == 180 and saved["checks"]["sliding"] == 1.4, f"{t}: settings not kept")
    # The water group, and taking a level away again.
    expect(run("set", f"{t}.wall.json", "water.behind=2.5", "water.front=1").returncode == 0, f"set water {t}")
    valid(f"{t}.wall.json")
    expect(run("set", f"{t}.wall.json", "water.front=none").returncode == 0, f"clear water {t}")
    valid(f"{t}.wall.json")
    with open(f"{t}.wall.json", encoding="utf-8") as f:
        water = json.load(f)["water"]
    expect(water["behind"] == 2.5 and water["front"] is None, f"{t}: water not kept: {water}")
    # The earthquake: its group and its entries in checks and foundation, only once given.
    expect(run("set", f"{t}.wall.json", "seismic.acceleration=0.2", "seismic.angle=3.5",
               "checks.seismicSliding=1.15", "foundation.seismicFactor=1.3").returncode == 0, f"set seismic {t}")
    valid(f"{t}.wall.json")
    with open(f"{t}.wall.json", encoding="utf-8") as f:
        saved = json.load(f)
    expect(saved["seismic"]["acceleration"] == 0.2 and saved["seismic"]["angle"] == 3.5
           and saved["seismic"]["angleWater"] is None and saved["checks"]["seismicSliding"] == 1.15
           and "seismicOverturning" not in saved["checks"] and saved["foundation"]["seismicFactor"] == 1.3,
           f"{t}: seismic settings not kept: {saved}")
    # Its combination beside the static one: the given angle, the inertia, the checks by their own names.
    r = run("analyse", "--json", f"{t}.wall.json")
    expect(r.returncode == 0, f"analyse {t}: {r.stderr}")
    quake = json.loads(r.stdout)["seismic"]
    expect(quake is not None and quake["theta"] == 3.5 and quake["angleSource"] == "given"
           and quake["inertia"] > 0 and abs(quake["faE"] - 1.3 * saved["foundation"]["fa"]) < 1e-3 and "Kq" in quake,
           f"{t}: seismic results: {quake}")
    expect("地震作用下的抗倾覆稳定" in run("check", f"{t}.wall.json").stdout, f"{t}: check prints no seismic rows")

# Saving text-only inputs to binary keeps the fields and warns.
r = run("convert", "--force", "shelf.wall.json", "shelf.dat")
expect(r.returncode == 0 and "不能保存" in r.stderr, "no warning when the settings are left out")

bad = {
    "unknown key": ({"wall": {"m_fTopWidht": 1}}, "wall.m_fTopWidht"),
    "wrong type": ({"wall": {"m_fHeight": "6"}}, "wall.m_fHeight"),
    "out of range": ({"wall": {"m_fToeWidth": -3}}, "墙趾宽度B1(m)"),
    "float overflow": ({"wall": {"m_fHeight": 1e39}}, "wall.m_fHeight"),
    "setting out of range": ({"foundation": {"eccentricityLimit": 0.7}}, "foundation.eccentricityLimit"),
    "acceleration out of range": ({"seismic": {"acceleration": 0.5}}, "seismic.acceleration"),
}
for what, (body, named) in bad.items():
    case = {"format": "wallcalc-case", "version": 1, "wallType": 3, **body}
    with open("bad.wall.json", "w", encoding="utf-8") as f:
        json.dump(case, f)
    r = run("check", "bad.wall.json")
    expect(r.returncode == 1 and named in r.stderr, f"{what}: exit {r.returncode}, {r.stderr.strip()}")

# A case out of range still opens: `show` warns, `set` mends it, only the calculation refuses it.
with open("bad.wall.json", "w", encoding="utf-8") as f:
    json.dump({"format": "wallcalc-case", "version": 1, "wallType": 3, "wall": {"m_fHeight": -5}}, f)
r = run("show", "bad.wall.json")
expect(r.returncode == 0 and "超出范围" in r.stderr, f"show of a case out of range: {r.returncode} {r.stderr}")
r = run("set", "bad.wall.json", "m_fHeight=6")
expect(r.returncode == 0, f"set cannot mend a case out of range: {r.stderr}")
r = run("check", "bad.wall.json")
expect(r.returncode in (0, 3) and "超出范围" not in r.stderr, f"mended case: {r.returncode} {r.stderr}")

for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
