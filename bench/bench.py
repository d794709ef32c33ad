#!/usr/bin/env python3
"""Times Brojanje in a Release build, each run paired with a reference run of
the same size (A B A B ..., medians and the median ratio), so that a drifting
machine moves both alike:
  - into /dev/null, beside `seq -s ' ' 1 N`;
  - through `| cat`, beside `head -c BYTES /dev/zero | cat` of the same bytes,
    the cost of the pipe alone;
and SumaDoN for the largest int, beside the plain loop (one running sum) built
with the same compiler and flags. Where the `windows` build exists, also times
its Brojanje.exe under Wine, into /dev/null (a character device, as NUL is) and
into a pipe, with a Wine prefix and server of its own.
"""
import argparse
import os
import re
import statistics
import subprocess
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


def write_size():
    """The size of Brojanje's writes, as its source names it."""
    with open(os.path.join(ROOT, "Brojanje", "Brojanje.cpp")) as f:
        return int(re.search(r"constexpr int komad = (\d+);", f.read()).group(1))


def count_bytes(n):
    """Brojanje's output for N, prompt included: each number and a space."""
    total, low = len(PROMPT), 1
    while low <= n:
        high = min(n, low * 10 - 1)
        total += (high - low + 1) * (len(str(low)) + 1)
        low *= 10
    return total


PLAIN_LOOP = """#include <iostream>
int main()
{
    int n = 0;
    std::cin >> n;
    long long suma = 0;
    for (int i = 0; i < n; ++i)
        suma += i + 1;
    std::cout << suma;
}
"""


def plain_loop():
    """The one-running-sum loop, built as the release tree builds SumaDoN."""
    cache = dict(line.split("=", 1) for line in open(os.path.join(BIN, "CMakeCache.txt"))
                 if "=" in line and not line.startswith(("#", "//")))
    source, program = os.path.join(BIN, "plain_loop.cpp"), os.path.join(BIN, "plain_loop")
    with open(source, "w") as f:
        f.write(PLAIN_LOOP)
    subprocess.run([cache["CMAKE_CXX_COMPILER:FILEPATH"].strip(),
                    *cache["CMAKE_CXX_FLAGS:STRING"].split(),
                    *cache["CMAKE_CXX_FLAGS_RELEASE:STRING"].split(), "-o", program, source],
                   check=True)
    return program


def wine(n, runs):
    # Not the tests' prefix: stopping its server would stop theirs mid-run.
    env = dict(os.environ, WINEPREFIX=os.path.join(WINDOWS, "wine-bench"), WINEDEBUG="-all",
               WINEDLLOVERRIDES="mscoree,mshtml=")
    os.makedirs(env["WINEPREFIX"], exist_ok=True)
    quiet = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["wineserver", "-p"], env=env, **quiet)
    subprocess.run(["setarch", "-R", "wineboot"], env=env, **quiet)
    run = f"echo {n} | setarch -R wine '{os.path.join(WINDOWS, 'Brojanje.exe')}'"
    null, pipe, _ = paired(f"{run} > /dev/null", f"{run} | cat > /dev/null", runs, env)
    print(f"Windows Brojanje.exe under Wine, N = {n}, median of {runs}")
    print(f"  {'into /dev/null':26}{null:7.3f} s")
    print(f"  {f'into a pipe ({write_size() // 1024} KB writes)':26}{pipe:7.3f} s")
    subprocess.run(["wineserver", "-k"], env=env, **quiet)


def main():
    ap = argparse.ArgumentParser(description=__doc__,
                                 formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("n", nargs="?", type=int, default=100_000_000,
                    help="how far Brojanje counts (default 100000000)")
    ap.add_argument("runs", nargs="?", type=int, default=7,
                    help="paired runs of each (default 7)")
    args = ap.parse_args()
    n, runs = args.n, args.runs
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
    writes = f"{write_size() // 1024} KB writes"
    print(f"  {'Brojanje | cat (' + writes + ')':36}{pipe:7.3f} s")
    print(f"  head -c BYTES /dev/zero | cat       {zero:7.3f} s   ratio {ratio:.3f}")
    suma, plain, ratio = paired(f"echo 2147483647 | '{os.path.join(BIN, 'SumaDoN')}' > /dev/null",
                                f"echo 2147483647 | '{plain_loop()}' > /dev/null", runs)
    print("N = 2147483647")
    print(f"  SumaDoN                             {suma:7.3f} s")
    print(f"  the plain loop, built alike         {plain:7.3f} s   ratio {ratio:.3f}  (target: at most 0.4)")
    if os.path.exists(os.path.join(WINDOWS, "Brojanje.exe")):
        wine(n, runs)


if __name__ == "__main__":
    main()
