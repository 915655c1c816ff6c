"""The DXF of the sketches read back with ezdxf and compared with the SVG of the same sketch.

Usage: dxf_test.py WALLCALC WORKDIR. Exits 77 (skipped) without ezdxf.
"""
import collections
import math
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

try:
    import ezdxf
except ImportError:
    print("SKIPPED: python3-ezdxf is not installed (apt-get install python3-ezdxf)")
    sys.exit(77)

wallcalc, work = sys.argv[1], sys.argv[2]
os.makedirs(work, exist_ok=True)
os.chdir(work)
SVG = "{http://www.w3.org/2000/svg}"


def run(*args):
    subprocess.run([wallcalc, *args], check=True, capture_output=True)


def read_dxf(path):
    doc = ezdxf.readfile(path)
    audit = doc.audit()
    assert not audit.errors, [str(e) for e in audit.errors]
    assert doc.dxfversion == "AC1015" and doc.header["$INSUNITS"] == 4
    return doc


def svg_shapes(path):
    root = ET.parse(path).getroot()
    lines = [tuple(int(e.get(k)) for k in ("x1", "y1", "x2", "y2")) for e in root.iter(SVG + "line")]
    chars = "".join(e.text or "" for e in root.iter(SVG + "text"))
    return lines, chars


failures = []
for wall_type in ("gravity", "cantilever", "shelf"):
    case = f"{wall_type}.dat"
    if os.path.exists(case):
        os.remove(case)
    run("new", "--type", wall_type, "-o", case)
    for report in (False, True):
        flag = ["--report"] if report else []
        name = f"{wall_type}{'-report' if report else ''}"
        run("sketch", case, *flag, "--force", "-o", name + ".dxf")
        run("sketch", case, *flag, "--force", "-o", name + ".svg")
        msp = read_dxf(name + ".dxf").modelspace()
        lines, chars = svg_shapes(name + ".svg")
        kinds = collections.Counter(e.dxftype() for e in msp)
        # Every line the SVG draws, and the same characters in the texts.
        texts = "".join(t.dxf.text for t in msp.query("TEXT"))
        if kinds["LINE"] != len(lines):
            failures.append(f"{name}: {kinds['LINE']} LINE, SVG {len(lines)} lines")
        if sorted(texts.replace(" ", "")) != sorted(chars.replace(" ", "")):
            failures.append(f"{name}: texts {texts!r}, SVG {chars!r}")
        # The SVG is the DXF scaled and flipped: fit x' = a x + b, y' = -a y + c on the extremes and
        # check every endpoint.
        dl = [(e.dxf.start.x, e.dxf.start.y, e.dxf.end.x, e.dxf.end.y) for e in msp.query("LINE")]
        xs = sorted({p for l in dl for p in (l[0], l[2])})
        sx = sorted({p for l in lines for p in (l[0], l[2])})
        a = (sx[-1] - sx[0]) / (xs[-1] - xs[0])
        b, c = sx[0] - a * xs[0], max(p for l in lines for p in (l[1], l[3])) + a * min(
            p for l in dl for p in (l[1], l[3]))
        want = [(a * l[0] + b, c - a * l[1], a * l[2] + b, c - a * l[3]) for l in dl]
        # Each DXF line has an SVG line within two pixels (the device rounds each point on its own).
        off = sum(1 for w in want if min(max(abs(p - q) for p, q in zip(w, g)) for g in lines) > 2)
        got = lines
        if off:
            failures.append(f"{name}: {off} of {len(got)} lines more than two pixels from the DXF's")
        # One layer per kind, coloured as the canvas colours them (ACI).
        layers = collections.Counter((e.dxftype(), e.dxf.layer, e.dxf.color) for e in msp)
        expected_colour = {"OUTLINE": 9, "GROUND": 4, "DIMENSIONS": 3, "LOADS": 1}
        for (kind, layer, colour), n in layers.items():
            if kind == "TEXT":
                ok = layer == "TEXTS" and msp.doc.styles.get(msp.query("TEXT")[0].dxf.style).dxf.font == "simsun.ttc"
            else:
                ok = expected_colour.get(layer) == colour
            if not ok:
                failures.append(f"{name}: {n} {kind} on layer {layer} in colour {colour}")
        if not report and kinds["LINE"] and not any(e.dxf.layer == "DIMENSIONS" for e in msp):
            failures.append(f"{name}: no dimensions")
        if report and not {"Ex", "Ey", "W"} <= {t.dxf.text for t in msp.query("TEXT")}:
            failures.append(f"{name}: the load labels are missing")

# wallcalc report --dxf: every drawing file has its DXF beside it, with as many entities.
os.makedirs("report", exist_ok=True)
for f in os.listdir("report"):
    os.remove(os.path.join("report", f))
out = subprocess.run([wallcalc, "report", "gravity.dat", "-o", "report/r.docx", "--dxf"], capture_output=True,
                     text=True)
assert out.returncode == 0, out.stderr
drawings = re.findall(r"^drawing: (.*)$", out.stderr, re.M)
kst = [d for d in drawings if not d.endswith(".dxf")]
assert len(kst) == 2, out.stderr
for k in kst:
    dxf = os.path.splitext(k)[0] + ".dxf"
    if not os.path.exists(dxf):
        failures.append(f"report --dxf: no {dxf}")
        continue
    if len(read_dxf(dxf).modelspace()) < 10:
        failures.append(f"report --dxf: {dxf} is nearly empty")

print("\n".join(failures) or "ok")
sys.exit(1 if failures else 0)
