#!/usr/bin/env python3
"""Times Brojanje beside `seq -s ' ' 1 N` for the same N (both into /dev/null,
best of RUNS), and SumaDoN for the largest int, in a Release build; then
checks the tail of Brojanje's longest run, read from a pipe.

usage: bench/bench.py [N] [RUNS]      (default N = 100000000, RUNS = 5)
"""
import os
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BIN = os.path.join(ROOT, "build", "release")


def best(command, stdin, runs):
    times = []
    for _ in range(runs):
        with open(os.devnull, "wb") as null:
            start = time.perf_counter()
            subprocess.run(command, input=stdin, stdout=null, check=True)
            times.append(time.perf_counter() - start)
    return min(times)


def main():
    n = int(sys.argv[1]) if len(sys.argv) > 1 else 100_000_000
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    for step in (["cmake", "--preset", "release"], ["cmake", "--build", "--preset", "release"]):
        subprocess.run(step, cwd=ROOT, check=True, stdout=subprocess.DEVNULL)

    brojanje = best([os.path.join(BIN, "Brojanje")], b"%d\n" % n, runs)
    seq = best(["seq", "-s", " ", "1", str(n)], None, runs)
    print(f"N = {n}, best of {runs}")
    print(f"  Brojanje        {brojanje:7.3f} s")
    print(f"  seq -s ' ' 1 N  {seq:7.3f} s")
    print(f"  ratio           {brojanje / seq:7.3f}  (target: at most 0.4)")
    suma = best([os.path.join(BIN, "SumaDoN")], b"2147483647\n", runs)
    print(f"SumaDoN 2147483647 {suma:6.3f} s  (target: at most 0.25 s)")

    # 21.5 GB: only its last bytes are kept.
    tail = subprocess.run(f"echo 2147483647 | '{BIN}/Brojanje' | tail -c 22", shell=True,
                          check=True, capture_output=True).stdout
    ok = tail == b"2147483646 2147483647 "
    print(f"Brojanje 2147483647 ends with {tail.decode()!r}: {'ok' if ok else 'WRONG'}")
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
