#!/usr/bin/python3
"""Reads a report workbook with xlrd (an independent reader) and checks its layout.

usage: check_workbook.py FILE [--template] [--expect CELLS.json]

Checks the one worksheet "Vaporel": the texts of column A, which cells are
numbers and which strings, number formats, fonts, fills, alignment, merges,
column widths, row heights and the print area.
  --template      the filled cells (B4-B6, B9-B17, B20-B23) must be empty and
                  A5/A6 must hold the template's texts
  --expect FILE   JSON object of cell reference -> expected value: a JSON string
                  means a text cell with exactly that text, a JSON number a
                  numeric cell with exactly that value
Prints every difference and exits 1 when there is one.
"""
import json
import sys

import xlrd
import xlrd.compdoc

TEXTS = {
    1: "THERMODYNAMIC PROPERTIES OF VAPOREL",
    2: "(WITH A BASIC THERMOPHYSICAL PROPERTIES)",
    3: "INPUT DATA",
    4: "Absolute pressure, Pa  [bar] ",
    5: "Dry bulb temperature [oC] ",
    6: "Enthalpy [kJ/kg] ",
    7: "",
    8: "OUTPUT OF CALCULATION",
    9: "Absolute pressure, Pa  [bar]",
    10: "Dry bulb temperature, tdb  [oC]",
    11: "Wet bulb temperature, twb  [oC]",
    12: "Dew point  temperature, tdp  [oC]",
    13: "Absolute humidity, x  [-]",
    14: "Density, ro [kg/m3]",
    15: "Enthalpy, h  [kJ/kg]",
    16: "Vapor pressure, pv  [bar]",
    17: "Relative humidity, RH  [%]",
    18: "",
    19: " THERMOPHYSICAL PROPERTIES",
    20: "Specific Heat, cp  [kJ/kg]",
    21: "Thermal Conductivity, lam  [W/mK]",
    22: "Dynamic Viscosity, mi  [Pa s]",
    23: "Prandtl Number, Pr  [-]",
}
FILLED_ROWS = [4, 5, 6] + list(range(9, 18)) + list(range(20, 24))

AUTO = 0x7FFF
WHITE = 9
GENERAL, CENTRE = 0, 2
V_CENTRE, V_BOTTOM = 1, 2
# style: font name, height (twips), bold, colour, horizontal, vertical, fill RGB or None
STYLES = {
    "title": ("Verdana", 240, True, AUTO, CENTRE, V_CENTRE, None),
    "subtitle": ("Verdana", 200, False, AUTO, CENTRE, V_CENTRE, None),
    "heading bottom": ("Verdana", 200, True, WHITE, CENTRE, V_BOTTOM, (128, 128, 128)),
    "heading centre": ("Verdana", 200, True, WHITE, CENTRE, V_CENTRE, (128, 128, 128)),
    "heading filler": ("Verdana", 200, False, WHITE, GENERAL, V_CENTRE, (192, 192, 192)),
    "body": ("Verdana", 200, False, AUTO, CENTRE, V_CENTRE, None),
    "separator": ("Verdana", 200, False, AUTO, CENTRE, V_BOTTOM, None),
}


def style_of(row, col):
    if col == 0:
        if row == 1:
            return "title"
        if row in (2, 18):
            return "subtitle"
        if row in (3, 8):
            return "heading bottom"
        if row == 19:
            return "heading centre"
        if row == 7:
            return "separator"
        return "body"
    if row == 1:
        return "title"
    if row in (2, 18):
        return "subtitle"
    if row in (3, 8, 19):
        return "heading filler"
    if row == 7:
        return "separator"
    return "body"


def number_format_of(row, col):
    if col == 1 and row in (11, 12):
        return 2
    if col in (1, 2) and row == 22:
        return 11
    return 0


def cell_index(ref):
    letters = "".join(c for c in ref if c.isalpha())
    digits = "".join(c for c in ref if c.isdigit())
    col = 0
    for c in letters.upper():
        col = col * 26 + ord(c) - ord("A") + 1
    return int(digits) - 1, col - 1


def header_footer_payloads(path):
    """The payloads of the sheet's HEADER (0x14) and FOOTER (0x15) records, read from
    the raw Workbook stream: xlrd itself does not keep them."""
    with open(path, "rb") as f:
        stream = xlrd.compdoc.CompDoc(f.read(), logfile=open("/dev/null", "w")).get_named_stream("Workbook")
    found, pos, substream = {}, 0, 0
    while pos + 4 <= len(stream):
        rid, length = int.from_bytes(stream[pos:pos + 2], "little"), int.from_bytes(stream[pos + 2:pos + 4], "little")
        if rid == 0x0809:
            substream += 1
        if substream == 2 and rid in (0x14, 0x15):
            found[rid] = bytes(stream[pos + 4:pos + 4 + length])
        pos += 4 + length
    return found


def check(path, template, expected):
    problems = []

    def expect(condition, text):
        if not condition:
            problems.append(text)

    book = xlrd.open_workbook(path, formatting_info=True)
    expect(book.sheet_names() == ["Vaporel"], "sheets: %r" % book.sheet_names())
    sheet = book.sheet_by_name("Vaporel")
    # Present but empty strings: no reader prints a header or footer of its own.
    records = header_footer_payloads(path)
    expect(records == {0x14: b"\0\0\0", 0x15: b"\0\0\0"}, "header and footer records %r" % records)

    for row in range(1, 24):
        for col in range(0, 12):
            ref = "%s%d" % (chr(ord("A") + col), row)
            if row - 1 >= sheet.nrows or col >= sheet.row_len(row - 1):
                problems.append("%s: no cell" % ref)
                continue
            xf = book.xf_list[sheet.cell_xf_index(row - 1, col)]
            font = book.font_list[xf.font_index]
            name = style_of(row, col) if col < 2 else "body"
            want = STYLES[name]
            got = (font.name, font.height, bool(font.bold), font.colour_index,
                   xf.alignment.hor_align, xf.alignment.vert_align)
            expect(got == want[:6], "%s: style %s expected %r, got %r" % (ref, name, want[:6], got))
            if want[6] is None:
                expect(xf.background.fill_pattern == 0, "%s: unexpected fill" % ref)
            else:
                rgb = book.colour_map.get(xf.background.pattern_colour_index)
                expect(xf.background.fill_pattern == 1 and rgb == want[6],
                       "%s: fill expected solid %r, got pattern %d colour %r"
                       % (ref, want[6], xf.background.fill_pattern, rgb))
            expect(xf.format_key == number_format_of(row, col),
                   "%s: number format %d, expected %d" % (ref, xf.format_key, number_format_of(row, col)))
            if col >= 2:
                expect(sheet.cell_type(row - 1, col) == xlrd.XL_CELL_BLANK, "%s: not empty" % ref)

        text_a = sheet.cell_value(row - 1, 0)
        if row in (5, 6) and not template:
            pass  # the captions of the input fields
        else:
            expect(text_a == TEXTS[row], "A%d: %r, expected %r" % (row, text_a, TEXTS[row]))
        if row in (7, 18):
            expect(sheet.cell_type(row - 1, 0) == xlrd.XL_CELL_BLANK, "A%d: not blank" % row)
        else:
            expect(sheet.cell_type(row - 1, 0) == xlrd.XL_CELL_TEXT, "A%d: not a text cell" % row)
        if template or row not in FILLED_ROWS:
            expect(sheet.cell_type(row - 1, 1) == xlrd.XL_CELL_BLANK, "B%d: not empty" % row)

    for ref, value in (expected or {}).items():
        row, col = cell_index(ref)
        kind = sheet.cell_type(row, col)
        got = sheet.cell_value(row, col)
        if isinstance(value, str):
            expect(kind == xlrd.XL_CELL_TEXT and got == value,
                   "%s: expected text %r, got type %d value %r" % (ref, value, kind, got))
        else:
            expect(kind == xlrd.XL_CELL_NUMBER and got == value,
                   "%s: expected number %r, got type %d value %r" % (ref, value, kind, got))

    merges = sorted(sheet.merged_cells)
    want_merges = [(r, r + 1, 0, 2) for r in (0, 1, 6, 17)]
    expect(merges == want_merges, "merges %r, expected %r" % (merges, want_merges))

    widths = {col: sheet.colinfo_map[col].width for col in sheet.colinfo_map}
    want_widths = {0: 10459, 1: 5083}
    want_widths.update({col: 3254 for col in range(2, 11)})
    expect(widths == want_widths, "column widths %r" % widths)
    expect(sheet.standardwidth == 2340, "standard width %r" % sheet.standardwidth)

    for row in range(23):
        info = sheet.rowinfo_map.get(row)
        want = 375 if row < 2 else 300
        expect(info is not None and info.height == want and info.height_mismatch,
               "row %d height %r" % (row + 1, info and info.height))

    areas = [n for n in book.name_obj_list if n.name == "Print_Area"]
    expect(len(areas) == 1, "%d Print_Area names" % len(areas))
    if areas:
        area = areas[0]
        expect(area.scope == 0, "Print_Area scope %r" % area.scope)
        refs = area.result.value if area.result else None
        coords = refs[0].coords if refs else None
        expect(coords == (0, 1, 0, 23, 0, 2), "Print_Area %r" % (coords,))
        expect(area.result.text == "Vaporel!$A$1:$B$23", "Print_Area text %r" % area.result.text)
    return problems


def main(argv):
    args = argv[1:]
    template = "--template" in args
    expected = None
    if "--expect" in args:
        i = args.index("--expect")
        with open(args[i + 1], encoding="utf-8") as f:
            expected = json.load(f)
        del args[i:i + 2]
    files = [a for a in args if not a.startswith("--")]
    if len(files) != 1:
        print(__doc__)
        return 2
    problems = check(files[0], template, expected)
    for p in problems:
        print(p)
    print("OK" if not problems else "%d problem(s)" % len(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
