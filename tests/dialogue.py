#!/usr/bin/env python3
"""Runs one program's rows of the dialogue table, and a randomised sweep
against an independent reference, comparing stdout, stderr and exit status.

usage: dialogue.py PROGRAM EXECUTABLE [--launcher CMD] [--crlf] [--seed N]
"""
import argparse
import os
import random
import shlex
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

from cases import CASES
from reference import BOUNDARIES, SWEEPS


def difference(want, have):
    if not isinstance(want, bytes) or len(want) + len(have) < 300:
        return f"expected {want!r}\n    got      {have!r}"
    at = next((i for i, (w, h) in enumerate(zip(want, have)) if w != h), min(len(want), len(have)))
    start = max(0, at - 20)
    return (f"{len(want)} bytes expected, {len(have)} got, first difference at byte {at}:\n"
            f"    expected ...{want[start:at + 40]!r}\n    got      ...{have[start:at + 40]!r}")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("program")
    ap.add_argument("executable")
    ap.add_argument("--launcher", default="", help="command that runs the executable, e.g. wine")
    ap.add_argument("--crlf", action="store_true", help="expect \\r\\n wherever a row says \\n")
    ap.add_argument("--seed", type=int, default=random.randrange(1 << 32))
    ap.add_argument("--sweep", type=int, default=40, help="random inputs in the sweep")
    args = ap.parse_args()

    command = shlex.split(args.launcher) + [args.executable]
    newline = b"\r\n" if args.crlf else b"\n"

    rows = [(repr(stdin), stdin, out, err, status)
            for program, stdin, out, err, status in CASES if program == args.program]
    rows += [(f"edge {stdin!r}", stdin, out, b"", 0)
             for stdin, out in BOUNDARIES.get(args.program, list)()]
    sweep = SWEEPS.get(args.program)
    if sweep:
        rng = random.Random(args.seed)
        for _ in range(args.sweep):
            stdin, out = sweep(rng)
            rows.append(("sweep " + repr(stdin), stdin, out, b"", 0))
    if not rows:
        sys.exit(f"no rows for {args.program}")

    retried = []

    def run(row):
        name, stdin, out, err, status = row
        launch = lambda: subprocess.run(command, input=stdin, capture_output=True, timeout=60)
        got = launch()
        # Now and then Wine starts a program without its standard streams: it
        # can then write not even its prompt, and ends with status 1. Every
        # program writes a prompt first, so a run under a launcher that wrote
        # nothing at all is tried again, twice at most, and reported.
        for _ in range(2):
            if not (args.launcher and got.stdout == got.stderr == b"" and got.returncode == 1):
                break
            retried.append(name)
            got = launch()
        want = (out.replace(b"\n", newline), err.replace(b"\n", newline), status)
        have = (got.stdout, got.stderr, got.returncode)
        return name, want, have

    failed = 0
    with ThreadPoolExecutor(max_workers=4) as pool:
        for name, want, have in pool.map(run, rows):
            if want != have:
                failed += 1
                print(f"FAIL {args.program} {name}")
                for label, w, h in zip(("stdout", "stderr", "status"), want, have):
                    if w != h:
                        print(f"  {label}: {difference(w, h)}")
    # An answer that cannot be written must not end as a success.
    total = len(rows)
    if os.path.exists("/dev/full"):
        total += 1
        stdin = next(row[1] for row in rows if row[4] == 0)
        with open("/dev/full", "wb") as full:
            got = subprocess.run(command, input=stdin, stdout=full,
                                 stderr=subprocess.DEVNULL, timeout=60)
        if got.returncode == 0:
            failed += 1
            print(f"FAIL {args.program} {stdin!r} into a full disk: status 0")

    if retried:
        print(f"retried after the launcher lost every stream: {', '.join(retried)}")
    print(f"{args.program} (sweep seed {args.seed}): "
          f"{total - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
