#!/usr/bin/env python3
"""Runs vaporel-calc --project --json on every example, reads the JSON with Python's json and
holds each process to the definitions of its loads, from the states' own figures."""
import json
import math
import pathlib
import subprocess
import sys

SYMBOLS = ["p", "tdb", "twb", "tdp", "x", "ro", "h", "pv", "RH", "cp", "lam", "mi", "Pr"]


def close(a, b):
    return math.isclose(a, b, rel_tol=1e-9, abs_tol=1e-12)


def check(program, project):
    out = subprocess.run([program, "--project", str(project), "--json"], capture_output=True, check=True, text=True)
    doc = json.loads(out.stdout)
    states = doc["states"]
    assert all(list(s) == SYMBOLS for s in states.values()), f"{project}: a state lacks a result"
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
