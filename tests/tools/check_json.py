#!/usr/bin/env python3
"""Reads vaporel-calc's JSON with Python's json, in every mode. Projects: each process is held to
the definitions of its loads, from the states' own figures; the IP document to the SI one
converted by the factors written here; each state's zones to the zones' bounds; the document to
the text tables. One state and CSV rows: the JSON to the lines and rows of the text output.
Every document says its units and gives a unit for every number it holds, and a key keeps its
unit: loads with an air flow in kW and kg/h, per kg of dry air under keys of their own."""
import json
import math
import pathlib
import subprocess
import sys

SYMBOLS = ["p", "tdb", "twb", "tdp", "x", "ro", "h", "pv", "RH", "cp", "lam", "mi", "Pr"]


def close(a, b):
    return math.isclose(a, b, rel_tol=1e-9, abs_tol=1e-12)


PSI = 6894.757293168361 / 1e5  # bar
BTU_PER_LB = 2.326  # kJ/kg
DRY_AIR_AT_0F = (1.0029 + 5.4e-05 * (-160 / 9)) * (-160 / 9)  # kJ/kg, the program's dry-air enthalpy
TO_IP = {
    "p": lambda v: v / PSI, "pv": lambda v: v / PSI,
    "tdb": lambda v: v * 1.8 + 32, "twb": lambda v: v * 1.8 + 32, "tdp": lambda v: v * 1.8 + 32,
    "x": lambda v: v, "RH": lambda v: v, "Pr": lambda v: v,
    "ro": lambda v: v / 16.018463373960138,
    "h": lambda v: (v - DRY_AIR_AT_0F) / BTU_PER_LB,
    "cp": lambda v: v / 4.1868,
    "lam": lambda v: v / 1.730734666371391,
    "mi": lambda v: v * 2419.088310502283,
}
# The zones of the examples, in SI: dry bulb, dew point and RH bounds.
ZONES = {
    "datacenter-recommended": {"tdb": (18, 27), "tdp": (-9, 15), "RH": (None, 60)},
    "operator": {"tdb": ((68 - 32) / 1.8, (77 - 32) / 1.8), "RH": (30, 55)},
}


def json_of(program, project, units):
    out = subprocess.run([program, "--project", str(project), "--json", "--units", units],
                         capture_output=True, check=True, text=True)
    return json.loads(out.stdout)


def inside(state, bounds):
    return all((low is None or state[k] >= low) and (high is None or state[k] <= high)
               for k, (low, high) in bounds.items())


# The unit of each key, in each system, wherever it appears.
UNITS = {
    "si": {"total": "kW", "sensible": "kW", "latent": "kW", "water": "kg/h", "mass_flow": "kg/s",
           "total_per_kg": "kJ/kg", "sensible_per_kg": "kJ/kg", "latent_per_kg": "kJ/kg", "water_per_kg": "kg/kg",
           "tdb": "oC", "h": "kJ/kg", "p": "bar"},
    "ip": {"total": "Btu/h", "sensible": "Btu/h", "latent": "Btu/h", "water": "lb/h", "mass_flow": "lb/min",
           "total_per_kg": "Btu/lb", "sensible_per_kg": "Btu/lb", "latent_per_kg": "Btu/lb", "water_per_kg": "lb/lb",
           "tdb": "oF", "h": "Btu/lb", "p": "psia"},
}


def numbers_of(doc):
    """Every key that holds a number, anywhere in the document but the unit map."""
    keys = set()
    if isinstance(doc, dict):
        for key, value in doc.items():
            if key == "unit":
                continue
            if isinstance(value, (int, float)) and not isinstance(value, bool):
                keys.add(key)
            keys |= numbers_of(value)
    elif isinstance(doc, list):
        for item in doc:
            keys |= numbers_of(item)
    return keys


def check_units(doc, units):
    assert doc["units"] == units, doc.get("units")
    missing = numbers_of(doc) - set(doc["unit"])
    assert not missing, f"numbers without a unit: {missing}"
    for key, unit in UNITS[units].items():
        assert doc["unit"].get(key, unit) == unit, (key, doc["unit"][key])


def check_units_and_zones(program, project, doc):
    ip = json_of(program, project, "ip")
    check_units(ip, "ip")
    check_units(doc, "si")
    for name, state in doc["states"].items():
        for symbol, convert in TO_IP.items():
            assert math.isclose(ip["states"][name][symbol], convert(state[symbol]), rel_tol=1e-12, abs_tol=1e-12), \
                (project.name, name, symbol)
    declared = [z for z in ZONES if f"[zones.{z}]" in project.read_text()]
    for name, state in doc["states"].items():
        assert state.get("zones", []) == [z for z in declared if inside(state, ZONES[z])], (project.name, name)


def check(program, project):
    doc = json_of(program, project, "si")
    states = doc["states"]
    assert all(list(s)[:13] == SYMBOLS for s in states.values()), f"{project}: a state lacks a result"
    check_units_and_zones(program, project, doc)
    check_tables(program, project, doc)
    for process in doc["processes"]:
        assert isinstance(process["from"], list) and isinstance(process["into"], list), process
        into = states[process["into"][0]]
        per_kg = "mass_flow" not in process
        suffix = "_per_kg" if per_kg else ""
        m = 1 if per_kg else process["mass_flow"]
        hour = 1 if per_kg else 3600
        total, water = process["total" + suffix], process["water" + suffix]
        assert ("total" in process) != per_kg, process
        if process["kind"] == "mix":
            assert total == 0 and water == 0, process
            continue
        came = states[process["from"][0]]
        if process["kind"] == "space":  # the supply air enters the room
            came, into = into, came
        if "volume_flow" in process:
            assert close(process["volume_flow"], came["volume_flow"]), process
        assert close(total, m * (into["h"] - came["h"])), process
        assert close(water, m * (into["x"] - came["x"]) * hour), process
        assert close(process["sensible" + suffix] + process["latent" + suffix], total), process
    return len(doc["processes"])


def check_tables(program, project, doc):
    """The text tables show the JSON's figures, rounded as they print them."""
    out = subprocess.run([program, "--project", str(project), "--units", "si"], capture_output=True, check=True,
                         text=True).stdout
    # A formulation other than the program's own is named over the tables, as in the JSON.
    named = f"formulation {doc['formulation']}\n" if "formulation" in doc else ""
    assert out.startswith(named) and (named or not out.startswith("formulation")), (project.name, out[:40])
    states_table, _, processes_table = out[len(named):].partition("\n\n")
    rows = [line.split() for line in states_table.splitlines()[1:]]
    for (name, state), row in zip(doc["states"].items(), rows):
        assert row[0] == name and len(row) in (15, 16), row
        flow = state.get("volume_flow")
        assert close(state["v"], (1 + state["x"]) / state["ro"]), (name, state["v"])
        assert len(row) == 15 or row[15] == ("-" if flow is None else f"{flow:.1f}"), (name, row)
        for symbol, text in zip(SYMBOLS + ["v"], row[1:]):
            decimals = len(text.split("E")[0].partition(".")[2])
            assert abs(float(text) - state[symbol]) <= 0.51 * 10 ** -decimals * (10 ** int(text.split("E")[1]) if "E" in text else 1), (name, symbol, text)
    for process, line in zip(doc["processes"], processes_table.splitlines()[1:]):
        total = process.get("total", process.get("total_per_kg"))
        cells = line.split()
        assert cells[0] == process["kind"], line
        assert any(cell.replace("-", "", 1).replace(".", "", 1).isdigit() and abs(float(cell) - total) < 6e-4
                   for cell in cells), (line, total)


def check_state_and_rows(program):
    """One state's JSON against its --precise lines; CSV JSON Lines against the CSV rows."""
    for units in ("si", "ip"):
        args = ["--units", units, "1", "1.01325" if units == "si" else "14.696", "20" if units == "si" else "95", "50"]
        doc = json.loads(subprocess.run([program, "--json"] + args, capture_output=True, check=True, text=True).stdout)
        check_units(doc, units)
        lines = subprocess.run([program, "--precise"] + args, capture_output=True, check=True, text=True).stdout
        for line in lines.splitlines():
            symbol, text = line.split("\t")[:2]
            assert doc[symbol] == float(text), (symbol, doc[symbol], text)
        assert doc["tdb"] == float(args[4]), "a typed value comes back as typed"
    rows = "tdb,RH\n1,1.01325,20,50\n2,1.01325,20,25\ntdp+RH,1.01325,12,60\n"
    text = subprocess.run([program, "--csv"], input=rows, capture_output=True, check=True, text=True).stdout
    lines = subprocess.run([program, "--csv", "--json"], input=rows, capture_output=True, check=True, text=True).stdout
    csv_rows = text.splitlines()
    header = csv_rows[0].split(",")
    assert len(header) == len({h.lower() for h in header}), f"duplicate columns: {header}"
    jsons = [json.loads(line) for line in lines.splitlines()]
    assert len(jsons) == len(csv_rows) - 1
    for doc, row in zip(jsons, csv_rows[1:]):
        check_units(doc, "si")
        cells = dict(zip(header, row.split(",", len(header) - 1)))
        assert doc["message"] == cells["message"].strip('"'), (doc["message"], cells["message"])
        for symbol in SYMBOLS:
            assert (doc[symbol] is None) == (cells[symbol] == ""), symbol
            if doc[symbol] is not None:
                assert doc[symbol] == float(cells[symbol]), symbol


def main():
    program, folder = sys.argv[1], pathlib.Path(sys.argv[2])
    projects = sorted(folder.glob("*.toml"))
    assert len(projects) >= 3, "the three examples"
    projects += [pathlib.Path(extra) for extra in sys.argv[3:]]
    for project in projects:
        print(f"{project.name}: {check(program, project)} processes agree")
    check_state_and_rows(program)
    print("one state and CSV rows: JSON and text agree")


if __name__ == "__main__":
    main()
