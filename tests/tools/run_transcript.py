#!/usr/bin/env python3
"""Replays a transcript of vaporel-calc runs and fails on the first difference.

A transcript is a readable record of a session at a terminal:
  # text        a comment
  $ ARGS        a run of vaporel-calc with shell-quoted ARGS ('$' alone: no arguments)
  < TEXT        a line of its standard input ('<' alone: an empty line; a written \\r at
                the end: a carriage return before the line break)
  ! TEXT        a line it writes to standard error
  ? N           its exit status, which ends the run
  ...           any number of lines of standard output ('! ...': of standard error)
  anything else a line it writes to standard output
"""
import shlex
import subprocess
import sys


def parse(path):
    runs = []
    for number, line in enumerate(open(path, encoding="utf-8").read().split("\n"), 1):
        if line.startswith("#") or (not line and (not runs or runs[-1]["status"] is not None)):
            continue
        if line == "$" or line.startswith("$ "):
            runs.append({"line": number, "args": shlex.split(line[2:]), "stdin": [], "out": [], "err": [],
                         "status": None})
            continue
        if not runs:
            raise SystemExit(f"{path}:{number}: a transcript starts with '$ '")
        run = runs[-1]
        if line == "<" or line.startswith("< "):
            # A line may end in a written "\r": the carriage return of a Windows line end.
            text = line[2:]
            run["stdin"].append(text[:-2] + "\r" if text.endswith("\\r") else text)
        elif line == "!" or line.startswith("! "):
            run["err"].append(line[2:])
        elif line.startswith("? "):
            run["status"] = int(line[2:])
        else:
            run["out"].append(line)
    if runs and runs[-1]["status"] is None:
        raise SystemExit(f"{path}:{runs[-1]['line']}: a run ends with '? N'")
    return runs


def matches(expected, actual):
    """Line by line; '...' takes any number of lines."""
    if not expected:
        return not actual
    if expected[0] == "...":
        return any(matches(expected[1:], actual[i:]) for i in range(len(actual) + 1))
    return bool(actual) and expected[0] == actual[0] and matches(expected[1:], actual[1:])


def main():
    program, path = sys.argv[1], sys.argv[2]
    failures = 0
    for run in parse(path):
        stdin = "".join(line + "\n" for line in run["stdin"])
        done = subprocess.run([program] + run["args"], input=stdin.encode(), capture_output=True, timeout=60)
        out = done.stdout.decode("utf-8", "replace").split("\n")
        err = done.stderr.decode("utf-8", "replace").split("\n")
        # Every output ends in a line break: the last, empty piece is not a line.
        out, err = out[:-1] if out[-1] == "" else out, err[:-1] if err[-1] == "" else err
        status = run["status"]
        for what, expected, actual in (("stdout", run["out"], out), ("stderr", run["err"], err),
                                       ("exit status", [str(status)], [str(done.returncode)])):
            if not matches(expected, actual):
                failures += 1
                print(f"{path}:{run['line']}: $ {shlex.join(run['args'])}: {what} differs")
                print("  expected:\n    " + "\n    ".join(expected))
                print("  actual:\n    " + "\n    ".join(actual))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
