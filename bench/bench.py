#!/usr/bin/env python3
"""Times Brojanje in a Release build, each run paired with a reference run of
the same size, so that a drifting machine moves both alike. Half the pairs run
B first, as whichever runs first is favoured; the ratio is the geometric mean
of each order's median ratio. Where `taskset` exists and this process may use
two processors, a pipe's writer runs on the first and its reader on the
second, as where the two land moves a pipe's time twofold. The write sizes
printed are those the kernel counted:
  - into /dev/null, beside `seq -s ' ' 1 N`;
  - through `| cat`, beside the same pipe with nothing to format: zeros in
    Brojanje's writes, whole blocks into a pipe it enlarged to 1 MB (for N
    from 10000 on), 8 KB pieces into a pipe left at its size or one that
    could not grow (a helper built alike); and beside `head -c BYTES
    /dev/zero | cat`, which writes 4 KB pieces into a pipe left at its size;
and SumaDoN for the largest int, beside the plain loop (one running sum) built
with the same compiler and flags. Where the `windows` build exists, also times
its Brojanje.exe under Wine, into /dev/null (a character device, as NUL is) and
into a pipe, with a Wine prefix and server of its own.
"""
import argparse
import math
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BIN = os.path.join(ROOT, "build", "release")
WINDOWS = os.path.join(ROOT, "build", "windows")
PROMPT = b"Unesite broj: "
# Brojanje's targets were set for this N: with a small one start-up weighs
# more, so they are shown only beside this N's ratios.
DEFAULT_N = 100_000_000


def once(script, env=None):
    start = time.perf_counter()
    # pipefail: a failing writer (taskset refused, say) must not pass unseen.
    if subprocess.run(["bash", "-o", "pipefail", "-c", script], env=env).returncode:
        sys.exit(f"bench.py: failed: {script}")
    return time.perf_counter() - start


def paired(a, b, runs, env=None):
    a_first = [(once(a, env), once(b, env)) for _ in range(runs)]
    b_first = [(once(b, env), once(a, env))[::-1] for _ in range(runs)]
    times = a_first + b_first
    ratio = math.sqrt(statistics.median(t[0] / t[1] for t in a_first) *
                      statistics.median(t[0] / t[1] for t in b_first))
    return statistics.median(t[0] for t in times), statistics.median(t[1] for t in times), ratio


CPUS = sorted(os.sched_getaffinity(0))
PINNED = len(CPUS) >= 2 and shutil.which("taskset") is not None


def pin(end):
    """The pipe's writer (0) or reader (1) on a processor of its own."""
    return f"taskset -c {CPUS[end]} " if PINNED else ""


def io_counts():
    fields = dict(line.split(": ") for line in open("/proc/self/io").read().splitlines())
    return int(fields["syscw"]), int(fields["wchar"])


def write_sizes(program, n):
    """Brojanje's mean write into a pipe and into /dev/null, as the kernel
    counted them: a process's counts take in those of the children it has
    waited for."""
    sizes = []
    with tempfile.TemporaryFile() as stdin:
        stdin.write(f"{n}\n".encode())
        for into in (subprocess.PIPE, subprocess.DEVNULL):
            stdin.seek(0)
            calls, written = io_counts()
            with subprocess.Popen([program], stdin=stdin, stdout=into) as p:
                if p.stdout:
                    buffer = bytearray(1 << 20)
                    while p.stdout.readinto(buffer):
                        pass
            after = io_counts()
            # Less the prompt, a write of its own.
            mean = (after[1] - written - len(PROMPT)) / max(after[0] - calls - 1, 1)
            sizes.append(f"{mean / 1024:.0f} KB a write")
    return sizes


def source_size(name):
    """A write size as Brojanje's source names it."""
    with open(os.path.join(ROOT, "Brojanje", "Brojanje.cpp")) as f:
        return int(re.search(rf"constexpr int {name} = (\d+);", f.read()).group(1))


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

ZEROS = """#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>
static char zeros[110000];
static long long piece;
static bool put(long long size)
{
    for (long long sent = 0; sent < size; sent += piece) {
        const long long now = std::min(size - sent, piece);
        if (write(1, zeros, now) != now)
            return false;
    }
    return true;
}
int main(int, char** argv)
{
    const long long n = std::stoll(argv[1]);
    piece = std::stoll(argv[2]);
    const int size = fcntl(1, F_GETPIPE_SZ);
    if ((size < 0 && errno == EBADF) || size >= 1 << 20
        || (size > 0 && n >= 10000 && fcntl(1, F_SETPIPE_SZ, 1 << 20) >= 0))
        piece = sizeof zeros;
    long long first = 0;
    for (long long i = 1; i <= n && i < 10000; ++i)
        first += std::to_string(i).size() + 1;
    if (write(1, zeros, 14) != 14 || !put(first))
        return 1;
    for (long long k = 1; k <= n / 10000; ++k) {
        const long long last = n < k * 10000 + 9999 ? n : k * 10000 + 9999;
        if (!put((last - k * 10000 + 1) * (std::to_string(k).size() + 5)))
            return 1;
    }
}
"""


def built_alike(name, source_text):
    """A helper built as the release tree builds the programs."""
    cache = dict(line.split("=", 1) for line in open(os.path.join(BIN, "CMakeCache.txt"))
                 if "=" in line and not line.startswith(("#", "//")))
    source, program = os.path.join(BIN, name + ".cpp"), os.path.join(BIN, name)
    with open(source, "w") as f:
        f.write(source_text)
    subprocess.run([cache["CMAKE_CXX_COMPILER:FILEPATH"].strip(),
                    *cache["CMAKE_CXX_FLAGS:STRING"].split(),
                    *cache["CMAKE_CXX_FLAGS_RELEASE:STRING"].split(), "-o", program, source],
                   check=True)
    return program


def line(label, seconds, ratio=None, note=""):
    """One figure; with its ratio to the one above where it is a yardstick."""
    figure = f"  {label:36}{seconds:6.3f} s" + (f"  ratio {ratio:.3f}" if ratio else "")
    print(figure + (f"  {note}" if note else ""))


def wine(n, runs):
    # Not the tests' prefix: stopping its server would stop theirs mid-run.
    env = dict(os.environ, WINEPREFIX=os.path.join(WINDOWS, "wine-bench"), WINEDEBUG="-all",
               WINEDLLOVERRIDES="mscoree,mshtml=")
    os.makedirs(env["WINEPREFIX"], exist_ok=True)
    quiet = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["wineserver", "-p"], env=env, **quiet)
    subprocess.run(["setarch", "-R", "wineboot"], env=env, **quiet)
    exe = f"setarch -R wine '{os.path.join(WINDOWS, 'Brojanje.exe')}'"
    null, pipe, _ = paired(f"echo {n} | {exe} > /dev/null",
                           f"echo {n} | {pin(0)}{exe} | {pin(1)}cat > /dev/null", runs, env)
    # On Windows Brojanje writes the same slices into every output.
    writes = f"{source_size('malaCijev') // 1024} KB a write"
    print(f"Brojanje.exe under Wine, N = {n}, median of {runs} pairs in each order")
    line(f"into /dev/null ({writes})", null)
    line(f"into a pipe ({writes})", pipe)
    subprocess.run(["wineserver", "-k"], env=env, **quiet)


def main():
    ap = argparse.ArgumentParser(description=__doc__,
                                 formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("n", nargs="?", type=int, default=DEFAULT_N,
                    help=f"how far Brojanje counts (default {DEFAULT_N})")
    ap.add_argument("runs", nargs="?", type=int, default=15,
                    help="paired runs in each order (default 15)")
    args = ap.parse_args()
    n, runs = args.n, args.runs

    def target(text):
        return f"(target {text} at N = {DEFAULT_N})" if n == DEFAULT_N else ""

    for step in (["cmake", "--preset", "release"], ["cmake", "--build", "--preset", "release"]):
        subprocess.run(step, cwd=ROOT, check=True, stdout=subprocess.DEVNULL)

    program = os.path.join(BIN, "Brojanje")
    size = count_bytes(n)
    into_pipe, into_null = write_sizes(program, n)
    print(f"Linux, N = {n} ({size} bytes), median of {runs} pairs in each order,\n"
          + (f"pipes pinned: writer on processor {CPUS[0]}, reader on {CPUS[1]}" if PINNED
             else "pipes not pinned"))
    null, seq, ratio = paired(f"echo {n} | '{program}' > /dev/null",
                              f"seq -s ' ' 1 {n} > /dev/null", runs)
    line(f"Brojanje > /dev/null ({into_null})", null)
    line("seq -s ' ' 1 N > /dev/null", seq, ratio, target("< 0.25"))
    brojanje = f"echo {n} | {pin(0)}'{program}' | {pin(1)}cat > /dev/null"
    zeros = built_alike("zeros", ZEROS)
    pipe, zero, ratio = paired(
        brojanje, f"{pin(0)}'{zeros}' {n} {source_size('malaCijev')} | {pin(1)}cat > /dev/null", runs)
    line(f"Brojanje | cat ({into_pipe})", pipe)
    line("zeros in the same writes | cat", zero, ratio, target("<= 1.2"))
    pipe, zero, ratio = paired(brojanje, f"{pin(0)}head -c {size} /dev/zero | {pin(1)}cat > /dev/null",
                               runs)
    line("Brojanje | cat", pipe)
    line("head -c BYTES /dev/zero | cat", zero, ratio, "(4 KB writes)")
    plain_loop = built_alike("plain_loop", PLAIN_LOOP)
    suma, plain, ratio = paired(f"echo 2147483647 | '{os.path.join(BIN, 'SumaDoN')}' > /dev/null",
                                f"echo 2147483647 | '{plain_loop}' > /dev/null", runs)
    print("N = 2147483647")
    line("SumaDoN", suma)
    line("the plain loop, built alike", plain, ratio, "(target <= 0.5 at N = 2147483647)")
    if os.path.exists(os.path.join(WINDOWS, "Brojanje.exe")):
        wine(n, runs)
    if n != DEFAULT_N:
        print(f"Brojanje's targets are for N = {DEFAULT_N}, the default, and are not shown"
              f" for N = {n}")


if __name__ == "__main__":
    main()
