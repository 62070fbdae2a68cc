#!/usr/bin/env python3
"""Writes the program's help, resources/For Soft.doc, as an RTF document (Word
and LibreOffice open it as a .doc). The text lives here so that it can be
edited as plain text; run this script again after a change."""
import sys

TITLE = "Vaporel: thermodynamic properties of humid air"

# (kind, text): h1/h2 headings, p paragraphs, b bullet items, t table rows (cells split by '|').
CONTENT = [
    ("h1", TITLE),
    ("p", "Vaporel resolves the state of humid air (a mixture of dry air and water vapour) from its absolute "
          "pressure and one pair of state variables, and derives four thermophysical properties from it. "
          "This document explains the inputs, the limits that the window enforces, the correlations and "
          "constants behind every result, and the boundary values shown while you type."),
    ("h2", "1. Working with the window"),
    ("b", "Choose an input pair under \"Selection option\". Choosing or re-entering the list empties the "
          "three input fields and hides the previous results."),
    ("b", "Type the absolute pressure in bar, then the two values of the pair. Use the decimal separator that "
          "the status bar names (it follows your locale). Only non-negative numbers can be typed: any other "
          "character is removed with a beep, and a negative number becomes 0."),
    ("b", "When you leave a field it is checked against its limits. A refused value is reported in a message "
          "box; the field is then emptied, coloured red and keeps the focus."),
    ("b", "\"Calculate\" shows the thirteen results under \"Output of calculation\". \"Reset\" empties the "
          "fields, the boundary values and the results. \"Excel\" writes the inputs and results into the "
          "report workbook and shows the report, which can be saved under another name or printed."),
    ("b", "\"Source\" > \"Properties\" opens this document; \"Exit\" ends the program at once."),
    ("h2", "2. The input pairs"),
    ("p", "The first field always takes the absolute pressure p in bar. The other two fields take the pair:"),
    ("t", "Pair|First value|Second value"),
    ("t", "1 Dry Bulb Temperature & Relative Humidity|dry-bulb temperature tdb [\u00b0C]|relative humidity RH [%]"),
    ("t", "2 Dry & Wet Bulb Temperature|dry-bulb temperature tdb [\u00b0C]|wet-bulb temperature twb [\u00b0C]"),
    ("t", "3 Dry Bulb Temperature & Enthalpy|dry-bulb temperature tdb [\u00b0C]|enthalpy h [kJ/kg dry air]"),
    ("t", "4 Absolute Humidity & Enthalpy|absolute humidity x [kg water/kg dry air]|enthalpy h [kJ/kg dry air]"),
    ("t", "5 Dry Bulb Temperature & Absolute Humidity|dry-bulb temperature tdb [\u00b0C]|absolute humidity x [kg/kg]"),
    ("p", "The dry-bulb temperature is the temperature of the air itself; the wet-bulb temperature is the "
          "temperature at which saturated air at the same pressure has the same enthalpy; the dew point is "
          "the temperature at which the vapour present would begin to condense (the frost point below "
          "0 \u00b0C). Absolute humidity x is the mass of water vapour per kilogram of dry air, shown as [-]. "
          "Enthalpy is counted per kilogram of dry air from dry air at 0 \u00b0C."),
    ("h2", "3. Validity ranges"),
    ("b", "Pressure: 0.1 bar to 10 bar, both included; a typed value above 10 becomes 10."),
    ("b", "Dry-bulb temperature: from -40 \u00b0C (-40.1 \u00b0C is the lowest value accepted) up to, but not "
          "including, the maximum dry-bulb temperature tdbmax shown in the boundary values."),
    ("b", "Relative humidity: 0 % to 100 %; a typed value above 100 becomes 100."),
    ("b", "Wet-bulb temperature: not below twbmin, and not above the dry-bulb temperature."),
    ("b", "Enthalpy with a dry-bulb temperature (pair 3): between the enthalpy of dry air and the enthalpy of "
          "saturated air at that temperature."),
    ("b", "Enthalpy with an absolute humidity (pair 4): between hmin and hmax as shown."),
    ("b", "Absolute humidity with a dry-bulb temperature (pair 5): not above xmax, the humidity of saturated "
          "air."),
    ("p", "Every limit is inclusive. Limits read from the boundary values panel are compared at the precision "
          "shown there."),
    ("h2", "4. Boundary values"),
    ("p", "The panel shows, for the pressure and pair in force, how far the next input may go:"),
    ("t", "Value|Meaning|How it is found"),
    ("t", "tdbmax|maximum dry-bulb temperature|saturation temperature at p; 90 % of it (in \u00b0C) for pair 1"),
    ("t", "twbmin|minimum wet-bulb temperature (pair 2)|an estimate of the wet-bulb temperature of perfectly dry air at tdb"),
    ("t", "hmin|minimum enthalpy (pairs 3, 4)|enthalpy of dry air at tdb; for pair 4 the enthalpy at the dew point of x"),
    ("t", "hmax|maximum enthalpy (pairs 3, 4)|pair 3: enthalpy at 95 % relative humidity; pair 4: enthalpy at tdbmax"),
    ("t", "xmax|maximum absolute humidity (pair 5)|absolute humidity of saturated air at tdb"),
    ("p", "Example at 1.01325 bar: tdbmax is 100.0 \u00b0C (90.0 \u00b0C for pair 1); at tdb = 20 \u00b0C, twbmin "
          "is 5.7 \u00b0C, hmin 20.1 kJ/kg, hmax 55.4 kJ/kg and xmax 0.01468."),
    ("h2", "5. Correlations"),
    ("p", "All quantities are computed in double precision from closed-form fits; only the wet-bulb "
          "temperature needs an iteration. Temperatures t are in \u00b0C, pressures in bar."),
    ("b", "Saturation pressure of water vapour: ln ps is a polynomial of sixth degree in t, with one set of "
          "coefficients over ice (t < 0 \u00b0C) and one over liquid water (t \u2265 0 \u00b0C). At 20 \u00b0C "
          "ps = 0.02336509 bar; at 100 \u00b0C ps = 1.013195 bar."),
    ("b", "Dew point: a polynomial of sixth degree in L = ln pv, the frost-point fit below pv = 0.0061 bar and "
          "the dew-point fit from 0.0061 bar up. No iteration is needed."),
    ("b", "Saturation (boiling) temperature: ts = 0.0147968 L^4 + 0.227202 L^3 + 2.42628 L^2 + 27.9062 L + "
          "99.6172, with L = ln p."),
    ("b", "Absolute humidity: x = 0.62198 pv / (p - pv), with pv = (RH / 100) ps."),
    ("b", "Enthalpy: h = (1.0029 + 5.4e-5 t) t + x (2500.84 + (1.856 + 0.0002 t) t) [kJ/kg dry air]."),
    ("b", "Wet-bulb temperature: the temperature twb at which saturated air has the enthalpy h of the state, "
          "found by a false-position search between the dew point and the dry-bulb temperature."),
    ("b", "Density: ro = (1 + x) p 100000 / ((0.62198 + x) 461.56 (tdb + 273.15)) [kg/m\u00b3]."),
    ("b", "Relative humidity: RH = 100 x p / (ps (0.62198 + x)); vapour pressure shown: pv = ps RH / 100."),
    ("b", "Pair 4 finds tdb as the larger root of the enthalpy relation, a quadratic in tdb for a given x."),
    ("h2", "6. Thermophysical properties"),
    ("b", "Dry air: specific heat, thermal conductivity and viscosity from polynomial fits in t."),
    ("b", "Water vapour: the same three properties from fits in the saturation temperature of the vapour at "
          "its partial pressure."),
    ("b", "Specific heat of the mixture per kg of dry air: cp = cpa + x cpv."),
    ("b", "Viscosity of the mixture by Wilke's mixing rule; thermal conductivity by the Lindsay-Bromley rule "
          "with Sutherland constants 111 (air) and 961 (water vapour); the mole ratio of vapour to air is "
          "1.61 x, with molar masses 18 and 29."),
    ("b", "Prandtl number: Pr = mi cp 1000 / ((1 + x) lam)."),
    ("p", "Example: p = 1.01325 bar, tdb = 20 \u00b0C, RH = 50 % gives twb = 13.73 \u00b0C, tdp = 9.27 \u00b0C, "
          "x = 0.00725, ro = 1.1987 kg/m\u00b3, h = 38.49 kJ/kg, pv = 0.01168 bar, cp = 1.0189 kJ/kgK, "
          "lam = 0.025976 W/mK, mi = 1.803E-05 Pa s and Pr = 0.702."),
    ("h2", "7. Constants"),
    ("t", "Constant|Value"),
    ("t", "ratio of molar masses, water vapour to dry air|0.62198"),
    ("t", "gas constant in the density relation|461.56"),
    ("t", "offset to absolute temperature|273.15"),
    ("t", "enthalpy of vaporisation at 0 \u00b0C|2500.84 kJ/kg"),
    ("t", "specific heat of dry air in the enthalpy|1.0029 + 5.4e-5 t kJ/kgK"),
    ("t", "specific heat of water vapour in the enthalpy|1.856 + 0.0002 t kJ/kgK"),
    ("t", "dew point of perfectly dry air|-273 \u00b0C"),
    ("h2", "8. Messages"),
    ("b", "\"All fields require data\": Calculate needs all three fields filled."),
    ("b", "\"Invalid entries, ...\": a value outside its range; the message names the range."),
    ("b", "\"Wet bulb temperature must be less then Dry bulb temperature\" and \"Wrong tdb or twb input\": the "
          "pair 2 values describe no possible state."),
    ("b", "\"Absolute humidity has to be less than xmax\": pair 5 above saturation."),
]


def escape(text):
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ord(ch) < 128:
            out.append(ch)
        else:
            out.append("\\u%d?" % ord(ch))
    return "".join(out)


def rtf():
    parts = [r"{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Verdana;}}",
             r"{\info{\title " + escape(TITLE) + "}}", r"\fs20"]
    for kind, text in CONTENT:
        if kind == "h1":
            parts.append(r"\pard\sb120\sa240\b\fs32 " + escape(text) + r"\b0\fs20\par")
        elif kind == "h2":
            parts.append(r"\pard\sb240\sa120\b\fs24 " + escape(text) + r"\b0\fs20\par")
        elif kind == "p":
            parts.append(r"\pard\sa120 " + escape(text) + r"\par")
        elif kind == "b":
            parts.append(r"\pard\fi-280\li280\sa80 \bullet\tab " + escape(text) + r"\par")
        elif kind == "t":
            cells = text.split("|")
            width = 9000 // len(cells)
            row = [r"\trowd\trgaph80"]
            for i in range(len(cells)):
                row.append(r"\clbrdrt\brdrs\clbrdrl\brdrs\clbrdrb\brdrs\clbrdrr\brdrs\cellx%d" % (width * (i + 1)))
            row.append("".join(r"\pard\intbl " + escape(c) + r"\cell" for c in cells))
            row.append(r"\row")
            parts.append("".join(row))
    parts.append(r"\pard}")
    return "\n".join(parts) + "\n"


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "resources/For Soft.doc"
    with open(out, "w", encoding="ascii") as f:
        f.write(rtf())
    print(out)
