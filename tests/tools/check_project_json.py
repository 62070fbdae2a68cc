#!/usr/bin/env python3
"""Runs vaporel-calc --project --json on every example, reads the JSON with Python's json and
holds each process to the definitions of its loads, from the states' own figures; holds the IP
document to the SI one converted by the factors written here, and each state's zones to the
zones' bounds."""
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


def check_units_and_zones(program, project, doc):
    ip = json_of(program, project, "ip")
    assert ip["units"] == "ip" and "units" not in doc
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
    for process in doc["processes"]:
        into = states[process["into"]]
        m = process["mass_flow"] if process["mass_flow"] is not None else 1
        hour = 3600 if process["mass_flow"] is not None else 1
        if process["kind"] == "mix":
            assert process["total"] == 0 and process["water"] == 0, process
            continue
        came = states[process["from"]]
        assert close(process["total"], m * (into["h"] - came["h"])), process
        assert close(process["water"], m * (into["x"] - came["x"]) * hour), process
        assert close(process["sensible"] + process["latent"], process["total"]), process
    return len(doc["processes"])


def main():
    program, folder = sys.argv[1], pathlib.Path(sys.argv[2])
    projects = sorted(folder.glob("*.toml"))
    assert len(projects) >= 3, "the three examples"
    for project in projects:
        print(f"{project.name}: {check(program, project)} processes agree")


if __name__ == "__main__":
    main()
