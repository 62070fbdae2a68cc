#!/usr/bin/python3
"""vaporel-calc --chart end to end: the three formats written and read back by
independent readers (an XML parser, the PNG header, pdfinfo), a refused state and a
failed request leaving an existing file as it was.

usage: check_chart_files.py VAPOREL_CALC"""
import json
import os
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

calc = sys.argv[1]
problems = []


def run(*args, stdin=""):
    return subprocess.run([calc, *args], input=stdin, capture_output=True, text=True, timeout=60)


def expect(condition, text):
    if not condition:
        problems.append(text)


with tempfile.TemporaryDirectory() as folder:
    path = lambda name: os.path.join(folder, name)
    for style in ("psychrometric", "mollier"):
        for ext in ("svg", "png", "pdf"):
            out = path("state-%s.%s" % (style, ext))
            done = run("--chart", out, "--chart-style", style, "1", "1.01325", "20", "50")
            expect(done.returncode == 0 and len(done.stdout.splitlines()) == 13, "%s: %r" % (out, done.stderr))
            expect(os.path.exists(out), out + " missing")

    svg = ET.parse(path("state-psychrometric.svg")).getroot()
    texts = " ".join(t.strip() for t in svg.itertext())
    for wanted in ("p = 1.013 bar", "Dry bulb temperature, tdb  [oC]", "Absolute humidity, x  [-]",
                   "Saturation, RH 100 %", "State"):
        expect(wanted in texts, "SVG lacks the text %r" % wanted)
    strokes = [e for e in svg.iter() if e.tag.endswith("polyline") or e.tag.endswith("path")]
    expect(len(strokes) > 20, "SVG has %d strokes" % len(strokes))
    expect(svg.get("width") and svg.get("viewBox"), "SVG without size")

    with open(path("state-psychrometric.png"), "rb") as f:
        head = f.read(24)
    width, height = struct.unpack(">II", head[16:24])
    expect(head[:8] == b"\x89PNG\r\n\x1a\n" and width >= 1200 and height >= 800, "PNG %dx%d" % (width, height))

    info = subprocess.run(["pdfinfo", path("state-mollier.pdf")], capture_output=True, text=True).stdout
    expect("Pages:           1" in info, "PDF pages: %r" % info)

    # Nothing written for a refused state or a refused request; an existing file stays.
    keep = path("keep.svg")
    with open(keep, "w") as f:
        f.write("old")
    expect(run("--chart", keep, "1", "20", "20", "50").returncode == 1, "refused state")
    expect(run("--chart", keep, "--chart-style", "fancy", "1", "1.01325", "20", "50").returncode == 2, "bad style")
    with open(keep) as f:
        expect(f.read() == "old", "an existing chart was changed by a failed run")
    expect(not os.path.exists(path("refused.png")) and run("--chart", path("refused.png"), "2", "1", "20", "25").returncode == 1
           and not os.path.exists(path("refused.png")), "a refused state wrote a chart")

    # A batch: every accepted row a point, in order.
    rows = "".join("5,1.01325,%.1f,0.004\n" % (30 - i * 0.5) for i in range(50))
    batch = run("--csv", "--chart", path("process.svg"), stdin=rows)
    expect(batch.returncode == 0 and batch.stderr == "", "batch: %r" % batch.stderr)
    process = " ".join(t.strip() for t in ET.parse(path("process.svg")).getroot().itertext())
    expect("Process line, 50 states" in process, "the process line is not in the legend")
    expect(sorted(os.listdir(folder)) == sorted(["keep.svg", "process.svg"] + [
        "state-%s.%s" % (s, e) for s in ("psychrometric", "mollier") for e in ("svg", "png", "pdf")]),
        "left behind: %r" % os.listdir(folder))

    # The same rows as points, and counted in cells.
    for kind, wanted in (("points", "States, 50"), ("density", "Rows per cell of 1 K × 0.5 g/kg:")):
        done = run("--csv", "--chart", path(kind + ".svg"), "--chart-as", kind, stdin=rows)
        texts = " ".join(t.strip() for t in ET.parse(path(kind + ".svg")).getroot().itertext())
        expect(done.returncode == 0 and wanted in texts, "--chart-as %s: %r" % (kind, done.stderr))

    # A year of weather: the legend's hours inside the zone are the summary's.
    epw = os.path.join(os.path.dirname(__file__), "..", "..", "..", "shared", "weather", "chicago.epw")
    year = run("--weather", epw, "--zone", "datacenter-a1", "--json", "--units", "ip", "--chart", path("year.svg"))
    inside = json.loads(year.stdout)["zones"]["datacenter-a1"]["inside"]
    texts = " ".join(t.strip() for t in ET.parse(path("year.svg")).getroot().itertext())
    for wanted in ("Hours per cell of 2 oF × 5 gr/lb:", "datacenter-a1: %d hours inside" % inside, "cooling 0.4 %",
                   "The same from the file's header", "100+"):
        expect(wanted in texts, "the year's chart lacks %r" % wanted)

for p in problems:
    print(p)
print("OK" if not problems else "%d problem(s)" % len(problems))
sys.exit(1 if problems else 0)
