#!/usr/bin/python3
"""Reads a report workbook with xlrd (an independent reader) and prints, as JSON,
what a test needs to compare: the first worksheet's name, rows 1 to 23 of columns
A to C with each cell's kind, value, number format, font, fill and alignment, the
merged ranges, column widths, row heights and the Print_Area name."""

import json
import sys

import xlrd

KINDS = {xlrd.XL_CELL_EMPTY: "empty", xlrd.XL_CELL_TEXT: "text", xlrd.XL_CELL_NUMBER: "number",
         xlrd.XL_CELL_BLANK: "blank", xlrd.XL_CELL_BOOLEAN: "boolean", xlrd.XL_CELL_ERROR: "error",
         xlrd.XL_CELL_DATE: "date"}


def colour(book, index):
    rgb = book.colour_map.get(index)
    return list(rgb) if rgb else None


def cell_info(book, sheet, row, col):
    if row >= sheet.nrows or col >= sheet.ncols:
        return {"kind": "empty"}
    cell = sheet.cell(row, col)
    xf = book.xf_list[cell.xf_index]
    font = book.font_list[xf.font_index]
    return {
        "kind": KINDS.get(cell.ctype, str(cell.ctype)),
        "value": cell.value,
        "format": book.format_map[xf.format_key].format_str,
        "font": {"name": font.name, "height": font.height, "bold": bool(font.bold),
                 "colour": colour(book, font.colour_index)},
        "fill": {"pattern": xf.background.fill_pattern,
                 "colour": colour(book, xf.background.pattern_colour_index)},
        "halign": xf.alignment.hor_align,
        "valign": xf.alignment.vert_align,
    }


def main():
    book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
    sheet = book.sheet_by_index(0)
    cells = {}
    for row in range(23):
        for col in range(3):
            cells["%s%d" % ("ABC"[col], row + 1)] = cell_info(book, sheet, row, col)
    print_area = None
    for name in book.name_obj_list:
        if name.name == "Print_Area":
            _, rlo, rhi, clo, chi = name.area2d()
            print_area = {"scope": name.scope, "rows": [rlo, rhi], "cols": [clo, chi]}
    widths = {"ABCDEFGHIJKL"[c]: sheet.colinfo_map[c].width for c in range(12) if c in sheet.colinfo_map}
    heights = {str(r + 1): sheet.rowinfo_map[r].height for r in range(23) if r in sheet.rowinfo_map}
    json.dump({
        "sheets": book.sheet_names(),
        "cells": cells,
        "merged": sorted([list(m) for m in sheet.merged_cells]),
        "widths": widths,
        "heights": heights,
        "print_area": print_area,
    }, sys.stdout)


if __name__ == "__main__":
    main()
