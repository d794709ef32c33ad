#!/usr/bin/env python3
"""Times Brojanje beside `seq -s ' ' 1 N` for the same N (both into /dev/null,
best of RUNS), and SumaDoN for the largest int, in a Release build; then
checks the tail of Brojanje's longest run, read from a pipe. Where the
`windows` build exists, also times its Brojanje.exe under Wine for N = 10^7,
into /dev/null (a character device, as NUL is) and into a pipe.

usage: bench/bench.py [N] [RUNS]      (default N = 100000000, RUNS = 5)
"""
import os
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BIN = os.path.join(ROOT, "build", "release")
WINDOWS = os.path.join(ROOT, "build", "windows")


def once(command, stdin, pipe, env=None):
    start = time.perf_counter()
    if pipe:
        with subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE, env=env) as p:
            p.stdin.write(stdin or b"")
            p.stdin.close()
            while p.stdout.read(1 << 20):
                pass
    else:
        with open(os.devnull, "wb") as null:
            subprocess.run(command, input=stdin, stdout=null, check=True, env=env)
    return time.perf_counter() - start


def best(command, stdin, runs, pipe=False, env=None):
    return min(once(command, stdin, pipe, env) for _ in range(runs))


def wine(runs):
    env = dict(os.environ, WINEPREFIX=os.path.join(WINDOWS, "wine"), WINEDEBUG="-all",
               WINEDLLOVERRIDES="mscoree,mshtml=")
    os.makedirs(env["WINEPREFIX"], exist_ok=True)
    quiet = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["wineserver", "-p"], env=env, **quiet)
    subprocess.run(["setarch", "-R", "wineboot"], env=env, **quiet)
    command = ["setarch", "-R", "wine", os.path.join(WINDOWS, "Brojanje.exe")]
    print(f"Windows Brojanje.exe under Wine, N = 10000000, best of {runs}")
    for label, pipe in (("into /dev/null", False), ("into a pipe", True)):
        print(f"  {label:15} {best(command, b'10000000', runs, pipe, env):7.3f} s")
    subprocess.run(["wineserver", "-k"], env=env, **quiet)


def main():
    n = int(sys.argv[1]) if len(sys.argv) > 1 else 100_000_000
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    for step in (["cmake", "--preset", "release"], ["cmake", "--build", "--preset", "release"]):
        subprocess.run(step, cwd=ROOT, check=True, stdout=subprocess.DEVNULL)

    brojanje = best([os.path.join(BIN, "Brojanje")], b"%d\n" % n, runs)
    seq = best(["seq", "-s", " ", "1", str(n)], None, runs)
    print(f"Linux, N = {n}, best of {runs}")
    print(f"  Brojanje        {brojanje:7.3f} s")
    print(f"  seq -s ' ' 1 N  {seq:7.3f} s")
    print(f"  ratio           {brojanje / seq:7.3f}  (target: at most 0.4)")
    suma = best([os.path.join(BIN, "SumaDoN")], b"2147483647\n", runs)
    print(f"SumaDoN 2147483647 {suma:6.3f} s  (target: at most 0.25 s)")
    if os.path.exists(os.path.join(WINDOWS, "Brojanje.exe")):
        wine(runs)

    # 21.5 GB: only its last bytes are kept.
    tail = subprocess.run(f"echo 2147483647 | '{BIN}/Brojanje' | tail -c 22", shell=True,
                          check=True, capture_output=True).stdout
    ok = tail == b"2147483646 2147483647 "
    print(f"Brojanje 2147483647 ends with {tail.decode()!r}: {'ok' if ok else 'WRONG'}")
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
