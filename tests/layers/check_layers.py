#!/usr/bin/env python3
"""Fails when a source file includes a layer above its own, or a Qt module its layer may not use."""
import pathlib
import re
import sys

# Each layer and the project layers it may include, lowest first. Nothing below the window
# logic reads the view model: report, chart and batch are drawn from plain records.
CALCULATION = {"calculation", "numbers", "properties"}
DRAWING = {"files", "workbook", "report", "chart", "chart/geometry", "units"} | CALCULATION
ALLOWED = {
    "properties": {"properties"},
    "numbers": {"numbers"},
    "calculation": CALCULATION,
    "process": {"process"} | CALCULATION,
    "units": {"units"} | CALCULATION,
    "project": {"project", "process", "files", "units"} | CALCULATION,
    "weather": {"weather", "units"} | CALCULATION,
    "files": {"files"},
    "workbook": {"workbook", "files"},
    "report": {"report", "workbook", "files"},
    "chart/geometry": {"chart/geometry", "units", "project", "process", "weather"} | CALCULATION,
    "chart": {"chart", "chart/geometry", "files", "units", "project", "process", "weather"} | CALCULATION,
    "window": {"window", "project", "process", "weather"} | DRAWING,
    "batch": {"batch", "project", "process", "weather"} | DRAWING,
    "shell": {"shell", "window", "project", "process", "weather"} | DRAWING,
    "app": {"app", "shell", "window", "project", "process"} | DRAWING,
}
# Qt headers a layer may include (by prefix); the shell and the app may include any.
QT = {
    "numbers": ("QLocale", "QString"),
    "report": ("QDir", "QFile", "QStandardPaths"),
    # Qt Gui and Qt Svg, never Qt Widgets; the geometry uses no Qt at all.
    "chart": ("QFont", "QImage", "QPage", "QPainter", "QPdfWriter", "QPoint", "QLine", "QPolygon", "QRect", "QBuffer",
              "QSize", "QString", "QSvgGenerator", "QTransform", "QColor"),
    # The batch calculator draws its chart on Qt's offscreen platform, without Widgets.
    "batch": ("QGuiApplication",),
}
ANY_QT = {"shell", "app"}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def layer_of(path):
    parts = path.parts
    if parts[:2] == ("chart", "geometry"):
        return "chart/geometry"
    return parts[0]


def main():
    src = pathlib.Path(sys.argv[1])
    problems = []
    for file in sorted(src.rglob("*.[ch]pp")):
        layer = layer_of(file.relative_to(src))
        if layer not in ALLOWED:
            continue
        for kind, name in INCLUDE.findall(file.read_text(encoding="utf-8")):
            if kind == '"':
                target = layer_of(pathlib.Path(name))
                if target not in ALLOWED[layer]:
                    problems.append(f"{file}: {layer} includes {name}")
            elif name.startswith("Q") and layer not in ANY_QT and not name.startswith(QT.get(layer, ())):
                problems.append(f"{file}: {layer} includes <{name}>")
    print("\n".join(problems) or f"every include of {src} keeps to its layer")
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
