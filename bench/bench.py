#!/usr/bin/env python3
"""Times Brojanje in a Release build, each run paired with a reference run of
the same size (A B A B ..., medians and the median ratio), so that a drifting
machine moves both alike:
  - into /dev/null, beside `seq -s ' ' 1 N`;
  - through `| cat`, beside `head -c BYTES /dev/zero | cat` of the same bytes,
    the cost of the pipe alone;
and SumaDoN for the largest int. Where the `windows` build exists, also times
its Brojanje.exe under Wine for N = 10^7, into /dev/null (a character device,
as NUL is) and into a pipe.

usage: bench/bench.py [N] [RUNS]      (default N = 100000000, RUNS = 7)
"""
import os
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BIN = os.path.join(ROOT, "build", "release")
WINDOWS = os.path.join(ROOT, "build", "windows")
PROMPT = b"Unesite broj: "


def once(script, env=None):
    start = time.perf_counter()
    subprocess.run(["sh", "-c", script], check=True, env=env)
    return time.perf_counter() - start


def paired(a, b, runs, env=None):
    times = [(once(a, env), once(b, env)) for _ in range(runs)]
    return (statistics.median(t[0] for t in times), statistics.median(t[1] for t in times),
            statistics.median(t[0] / t[1] for t in times))


def count_bytes(n):
    """Brojanje's output for N, prompt included: each number and a space."""
    total, low = len(PROMPT), 1
    while low <= n:
        high = min(n, low * 10 - 1)
        total += (high - low + 1) * (len(str(low)) + 1)
        low *= 10
    return total


def wine(runs):
    env = dict(os.environ, WINEPREFIX=os.path.join(WINDOWS, "wine"), WINEDEBUG="-all",
               WINEDLLOVERRIDES="mscoree,mshtml=")
    os.makedirs(env["WINEPREFIX"], exist_ok=True)
    quiet = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["wineserver", "-p"], env=env, **quiet)
    subprocess.run(["setarch", "-R", "wineboot"], env=env, **quiet)
    run = f"echo 10000000 | setarch -R wine '{os.path.join(WINDOWS, 'Brojanje.exe')}'"
    null, pipe, _ = paired(f"{run} > /dev/null", f"{run} | cat > /dev/null", runs, env)
    print(f"Windows Brojanje.exe under Wine, N = 10000000, median of {runs}")
    print(f"  into /dev/null  {null:7.3f} s")
    print(f"  into a pipe     {pipe:7.3f} s")
    subprocess.run(["wineserver", "-k"], env=env, **quiet)


def main():
    n = int(sys.argv[1]) if len(sys.argv) > 1 else 100_000_000
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    for step in (["cmake", "--preset", "release"], ["cmake", "--build", "--preset", "release"]):
        subprocess.run(step, cwd=ROOT, check=True, stdout=subprocess.DEVNULL)

    brojanje = f"echo {n} | '{os.path.join(BIN, 'Brojanje')}'"
    size = count_bytes(n)
    print(f"Linux, N = {n} ({size} bytes), median of {runs} paired runs")
    null, seq, ratio = paired(f"{brojanje} > /dev/null", f"seq -s ' ' 1 {n} > /dev/null", runs)
    print(f"  Brojanje > /dev/null                {null:7.3f} s")
    print(f"  seq -s ' ' 1 N > /dev/null          {seq:7.3f} s   ratio {ratio:.3f}  (target: at most 0.25)")
    pipe, zero, ratio = paired(f"{brojanje} | cat > /dev/null",
                               f"head -c {size} /dev/zero | cat > /dev/null", runs)
    print(f"  Brojanje | cat                      {pipe:7.3f} s")
    print(f"  head -c BYTES /dev/zero | cat       {zero:7.3f} s   ratio {ratio:.3f}  (target: at most 1.2)")
    suma = statistics.median(once(f"echo 2147483647 | '{os.path.join(BIN, 'SumaDoN')}' > /dev/null")
                             for _ in range(runs))
    print(f"SumaDoN 2147483647 {suma:6.3f} s  (target: at most 0.25 s)")
    if os.path.exists(os.path.join(WINDOWS, "Brojanje.exe")):
        wine(runs)


if __name__ == "__main__":
    main()
