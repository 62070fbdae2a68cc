#!/usr/bin/env python3
"""vaporel-calc --weather --json against an independent count from the EPW file's own columns:
the hours, and the hours inside a zone bounded by the dry bulb and the dew point."""
import json
import subprocess
import sys
import tomllib


def main():
    program, weather, zone_file = sys.argv[1:4]
    zone_name, bounds = next(iter(tomllib.load(open(zone_file, "rb"))["zones"].items()))
    out = subprocess.run([program, "--weather", weather, "--zone", zone_file, "--json"], capture_output=True,
                         check=True, text=True).stdout
    doc = json.loads(out.splitlines()[0])
    rows = [line.split(",") for line in open(weather, encoding="latin-1").read().splitlines()[8:]]
    inside = sum(1 for r in rows
                 if bounds["tdb_min"] <= float(r[6]) <= bounds["tdb_max"]
                 and bounds["tdp_min"] <= float(r[7]) <= bounds["tdp_max"])
    assert doc["hours"] == len(rows) == doc["accepted"], (doc["hours"], len(rows))
    assert doc["zones"][zone_name]["inside"] == inside, (doc["zones"][zone_name], inside)
    print(f"{doc['hours']} hours, {inside} inside {zone_name}: the program and the file's columns agree")


if __name__ == "__main__":
    main()
