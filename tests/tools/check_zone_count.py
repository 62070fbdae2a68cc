#!/usr/bin/env python3
"""A year of hourly weather through vaporel-calc --csv --zone datacenter-recommended: the rows
inside are counted here from the output's own dry bulb, dew point and RH, and held to the
in_zone column and to the count said on stderr."""
import csv
import io
import random
import re
import subprocess
import sys


def main():
    program = sys.argv[1]
    rng = random.Random(2026)
    rows = [f"1,1.01325,{rng.uniform(-5, 38):.2f},{rng.uniform(10, 95):.1f}" for _ in range(8760)]
    done = subprocess.run([program, "--csv", "--zone", "datacenter-recommended"], input="\n".join(rows) + "\n",
                          capture_output=True, check=True, text=True)
    table = list(csv.DictReader(io.StringIO(done.stdout)))
    assert len(table) == 8760 and all(row["message"] == "" for row in table)
    inside = [18 <= float(r["tdb"]) <= 27 and -9 <= float(r["tdp"]) <= 15 and float(r["RH"]) <= 60 for r in table]
    assert [r["in_zone"] for r in table] == ["1" if i else "0" for i in inside]
    said = re.search(r"(\d+) of 8760 rows lie inside zone datacenter-recommended", done.stderr)
    assert said and int(said.group(1)) == sum(inside), done.stderr
    assert 100 < sum(inside) < 8000, "the sample reaches both sides of the zone"
    print(f"{sum(inside)} of 8760 hours inside, counted alike")


if __name__ == "__main__":
    main()
