#!/usr/bin/env python3
"""Runs one program's rows of the dialogue table, and a randomised sweep
against an independent reference, comparing stdout, stderr and exit status.

usage: dialogue.py PROGRAM EXECUTABLE [--launcher CMD] [--crlf] [--longest] [--seed N]
"""
import argparse
import os
import random
import shlex
import subprocess
import sys
import threading
from concurrent.futures import ThreadPoolExecutor

from cases import CASES, LONGEST, P1
from reference import BOUNDARIES, SWEEPS


def difference(want, have):
    if not isinstance(want, bytes) or len(want) + len(have) < 300:
        return f"expected {want!r}\n    got      {have!r}"
    at = next((i for i, (w, h) in enumerate(zip(want, have)) if w != h), min(len(want), len(have)))
    start = max(0, at - 20)
    return (f"{len(want)} bytes expected, {len(have)} got, first difference at byte {at}:\n"
            f"    expected ...{want[start:at + 40]!r}\n    got      ...{have[start:at + 40]!r}")


def stream(command, stdin, keep):
    """Runs a program whose output is too large to hold: (bytes, last bytes, status)."""
    count, tail = 0, b""
    with subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE) as p:
        timer = threading.Timer(600, p.kill)
        timer.start()
        p.stdin.write(stdin)
        p.stdin.close()
        for chunk in iter(lambda: p.stdout.read1(1 << 20), b""):
            count += len(chunk)
            tail = (tail + chunk[-keep:])[-keep:]
    timer.cancel()
    return count, tail, p.returncode


def child_seconds():
    import resource  # POSIX only, as /dev/full is
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("program")
    ap.add_argument("executable")
    ap.add_argument("--launcher", default="", help="command that runs the executable, e.g. wine")
    ap.add_argument("--crlf", action="store_true", help="expect \\r\\n wherever a row says \\n")
    ap.add_argument("--seed", type=int, default=random.randrange(1 << 32))
    ap.add_argument("--longest", action="store_true",
                    help="also the longest output, counted as it streams")
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

    def run(row):
        name, stdin, out, err, status = row
        want = (out.replace(b"\n", newline), err.replace(b"\n", newline), status)
        try:
            got = subprocess.run(command, input=stdin, capture_output=True, timeout=60)
        except subprocess.TimeoutExpired:
            return name, want, (b"", b"", "still running after 60 s")
        return name, want, (got.stdout, got.stderr, got.returncode)

    failed = 0
    with ThreadPoolExecutor(max_workers=4) as pool:
        for name, want, have in pool.map(run, rows):
            if want != have:
                failed += 1
                print(f"FAIL {args.program} {name}")
                for label, w, h in zip(("stdout", "stderr", "status"), want, have):
                    if w != h:
                        print(f"  {label}: {difference(w, h)}")
    total = len(rows)
    if args.longest and args.program in LONGEST:
        total += 1
        stdin, size, tail = LONGEST[args.program]
        want = (len(P1) + size, tail, 0)
        have = stream(command, stdin, len(tail))
        if have != want:
            failed += 1
            print(f"FAIL {args.program} longest {stdin!r}: (bytes, tail, status)\n"
                  f"  expected {want}\n  got      {have}")

    # An answer that cannot be written must not end as a success, and the work
    # must stop there: a run that stops at the first failed write takes next to
    # no processor time, where one that formats on takes a second or more.
    if os.path.exists("/dev/full"):
        total += 1
        stdin = (LONGEST[args.program][0] if args.program in LONGEST
                 else next(row[1] for row in rows if row[4] == 0))
        before = child_seconds()
        with open("/dev/full", "wb") as full:
            try:
                got = subprocess.run(command, input=stdin, stdout=full,
                                     stderr=subprocess.DEVNULL, timeout=60).returncode
            except subprocess.TimeoutExpired:
                got = "still running after 60 s"
        seconds = child_seconds() - before
        if got != 1 or seconds > 0.25:
            failed += 1
            print(f"FAIL {args.program} {stdin!r} into a full disk: "
                  f"status {got}, {seconds:.2f} s of processor time")

    print(f"{args.program} (sweep seed {args.seed}): "
          f"{total - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
