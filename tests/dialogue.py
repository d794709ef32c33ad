#!/usr/bin/env python3
"""Runs one program's rows of the dialogue table, and a randomised sweep
against an independent reference, comparing stdout, stderr and exit status.

usage: dialogue.py PROGRAM EXECUTABLE [--launcher CMD] [--explorer EXE] [--crlf] [--one-row]
                   [--seed N] [--sweep N]
"""
import argparse
import os
import random
import shlex
import signal
import subprocess
import sys
import tempfile
import threading
import zlib
from concurrent.futures import ThreadPoolExecutor

from cases import (C, CASES, CTRL_D, CTRL_Z, EXPLORER, HOLD, LONGEST, P1, SHOWN_ERR, TERMINAL, UTF8,
                   WRITE_ERR)
from reference import BOUNDARIES, SWEEPS

# A dozen threads at once, each waiting on a pipe: small stacks keep the
# runner's address space small.
threading.stack_size(1 << 20)


def difference(want, have):
    if not isinstance(want, bytes) or len(want) + len(have) < 300:
        return f"expected {want!r}\n    got      {have!r}"
    at = next((i for i, (w, h) in enumerate(zip(want, have)) if w != h), min(len(want), len(have)))
    start = max(0, at - 20)
    return (f"{len(want)} bytes expected, {len(have)} got, first difference at byte {at}:\n"
            f"    expected ...{want[start:at + 40]!r}\n    got      ...{have[start:at + 40]!r}")


def capture(command, stdin, limits):
    """Runs a program for at most 60 s, keeping at most a little more of its
    stdout and stderr than the given byte counts: one that writes on past them
    is stopped there, so a runaway costs neither memory nor time.
    (stdout, stderr, status or why the run was stopped)."""
    with subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE) as p:
        timer = threading.Timer(60, p.kill)
        timer.start()
        kept, overrun = [bytearray(), bytearray()], []

        def keep(pipe, into, limit):
            while chunk := pipe.read1(1 << 16):
                into += chunk
                if len(into) > limit + 4096:
                    overrun.append(len(into))
                    p.kill()
                    break

        readers = [threading.Thread(target=keep, args=args)
                   for args in zip((p.stdout, p.stderr), kept, limits)]
        for reader in readers:
            reader.start()
        try:
            p.stdin.write(stdin)
            p.stdin.close()
        except BrokenPipeError:
            pass
        for reader in readers:
            reader.join()
        status = p.wait()
        stopped = timer.finished.is_set()
        timer.cancel()
    if overrun:
        status = f"stopped after writing {overrun[0]} bytes or more"
    elif stopped:
        status = "still running after 60 s"
    return bytes(kept[0]), bytes(kept[1]), status


def stream(command, stdin, size, keep):
    """Runs a program whose output is too large to hold, stopping it past the
    size expected: (bytes, CRC-32 of them all, last bytes, status)."""
    count, crc, tail = 0, 0, b""
    # Read into one buffer: a new 1 MB object for each read costs more than the CRC.
    buffer = memoryview(bytearray(1 << 20))
    with subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE, bufsize=0) as p:
        timer = threading.Timer(600, p.kill)
        timer.start()
        p.stdin.write(stdin)
        p.stdin.close()
        while count <= size and (got := p.stdout.readinto(buffer)):
            count += got
            crc = zlib.crc32(buffer[:got], crc)
            tail = (tail + bytes(buffer[max(0, got - keep):got]))[-keep:]
        if count > size:
            p.kill()
    timer.cancel()
    return count, crc, tail, p.returncode


def failing_write(command, stdin, stdout, limit=None):
    """Runs a program whose output fails, into a full disk or, with a limit, a
    file that cannot grow past that many bytes: (status, stderr, processor
    seconds). With SIGXFSZ ignored, the write past the limit fails with EFBIG,
    as on a disk that fills up, every time at the same byte."""
    import resource  # POSIX only, as /dev/full is

    def limited():
        if limit is not None:
            resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))
            signal.signal(signal.SIGXFSZ, signal.SIG_IGN)

    def seconds():
        usage = resource.getrusage(resource.RUSAGE_CHILDREN)
        return usage.ru_utime + usage.ru_stime

    before = seconds()
    try:
        got = subprocess.run(command, input=stdin, stdout=stdout, stderr=subprocess.PIPE,
                             preexec_fn=limited, timeout=60)
    except subprocess.TimeoutExpired:
        return "still running after 60 s", b"", seconds() - before
    return got.returncode, got.stderr, seconds() - before


def on_terminal(command, stdin, env, at_prompt, stderr_apart=False, into=None):
    """Runs a program with a pseudo-terminal, 80 by 24, as stdout and stderr,
    or with stderr apart, into a pipe, or with stdout into a "file", a "pipe"
    or "full" (/dev/full, where no prompt shows: one string of keys, typed at
    once) (into). Typed input (a list) goes in through the terminal, each
    string of keys once at_prompt(output, the terminal's master) says a prompt
    stands at the cursor, or, with stdout elsewhere, at the end of what it has
    received so far; piped input (bytes) through a pipe; None is /dev/null.
    The terminal's signal keys are off, so that Ctrl-Z is typed as on Windows,
    and so is its echo of control keys, which on macOS and the BSDs shows
    Ctrl-D as ^D and two backspaces.
    (all that reached the terminal, what reached the stderr pipe, status or
    why the run was stopped, what stdout's file or pipe received).

    Run on Linux, natively and for .exe files under Wine. macOS and the BSDs
    were allowed for by reading only (an empty read where Linux gives EIO,
    ECHOCTL, no C.UTF-8 before macOS 15); Windows has no pseudo-terminal for
    Python, and its own console was not run, only Wine's."""
    import fcntl, pty, select, struct, termios, time  # POSIX only
    master, slave = pty.openpty()
    fcntl.ioctl(slave, termios.TIOCSWINSZ, struct.pack("4H", 24, 80, 0, 0))
    mode = termios.tcgetattr(slave)
    mode[3] &= ~(termios.ISIG | termios.ECHOCTL)
    termios.tcsetattr(slave, termios.TCSANOW, mode)
    typed = isinstance(stdin, list)
    source = slave if typed else subprocess.DEVNULL if stdin is None else subprocess.PIPE
    # A file is read where it stands, without moving the program's offset in it.
    answer = (tempfile.TemporaryFile() if into == "file" else open("/dev/full", "wb")
              if into == "full" else bytearray())
    with subprocess.Popen(command, stdin=source,
                          stdout=subprocess.PIPE if into == "pipe" else answer if into else slave,
                          stderr=subprocess.PIPE if stderr_apart else slave, env=env,
                          start_new_session=True) as p:
        os.close(slave)
        if isinstance(stdin, bytes):
            p.stdin.write(stdin)
            p.stdin.close()
        err = []
        if stderr_apart:
            reader = threading.Thread(target=lambda: err.append(p.stderr.read()))
            reader.start()
        # No row's answer comes near 4 KB: a program that writes on past it
        # into the file or pipe is stopped, as a runaway would fill the disk.
        kept = 4096
        if into == "pipe":
            def keep():
                while len(answer) <= kept and (chunk := p.stdout.read1(1 << 16)):
                    answer.extend(chunk)
            answering = threading.Thread(target=keep)
            answering.start()

        def received():
            if into == "file":
                return os.pread(answer.fileno(), kept + 1, 0)
            return b"" if into == "full" else bytes(answer[:kept + 1]) if into else out
        keys, out, seen, deadline = list(stdin) if typed else [], b"", -1, time.time() + 60
        ended = None
        while time.time() < deadline:
            if not select.select([master], [], [], 0.2)[0]:
                # Keys wait for a prompt, output after the keys before, and
                # a fifth of a second with nothing more: the program waits.
                watched = received()
                if into and len(watched) > kept:
                    p.kill()
                elif keys and len(watched) > seen and at_prompt(watched, master):
                    seen = len(watched)
                    os.write(master, keys.pop(0).encode())
                # Wine's server may hold the terminal open long after the
                # program has ended: a second's quiet after its end ends the run.
                elif p.poll() is not None:
                    ended = ended or time.time()
                    if time.time() - ended >= 1:
                        break
                continue
            try:
                chunk = os.read(master, 1 << 16)
            except OSError:  # Linux: every holder of the terminal has closed it
                break
            if not chunk:  # macOS and the BSDs say the same with an empty read
                break
            out += chunk
            ended = None
        else:
            p.kill()
        os.close(master)
        status = p.wait() if time.time() < deadline else "still running after 60 s"
        if stderr_apart:
            reader.join(max(0, deadline - time.time()))
        if into == "pipe":
            answering.join(max(0, deadline - time.time()))
        answered = received() if into else None
        if into in ("file", "full"):
            answer.close()
    if answered and len(answered) > kept:
        status = f"stopped after writing more than {kept} bytes"
    elif keys:
        status = f"{status}, ended before {keys!r} was typed"
    return out, (err[0] if err else b"(still open)") if stderr_apart else None, status, answered


def utf8_locale():
    """The first UTF-8 locale this system has: macOS before 15 has no C.UTF-8."""
    import locale
    before = locale.setlocale(locale.LC_CTYPE)
    for name in ("C.UTF-8", "UTF-8", "en_US.UTF-8"):
        try:
            locale.setlocale(locale.LC_CTYPE, name)
            return name
        except locale.Error:
            pass
        finally:
            locale.setlocale(locale.LC_CTYPE, before)
    return None


def screen(output):
    """What a terminal, 80 by 24, shows after output: its lines, blanks cut
    from their ends and blank lines from the bottom, and where the cursor
    stands (line, column)."""
    import pyte
    shown = pyte.Screen(80, 24)
    pyte.ByteStream(shown).feed(output)
    lines = [line.rstrip() for line in shown.display]
    while lines and not lines[-1]:
        lines.pop()
    return lines, (shown.cursor.y, shown.cursor.x)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("program")
    ap.add_argument("executable")
    ap.add_argument("--launcher", default="", help="command that runs the executable, e.g. wine")
    ap.add_argument("--explorer", help="Explorer's stand-in, to start the .exe as a double-click does")
    ap.add_argument("--crlf", action="store_true", help="expect \\r\\n wherever a row says \\n")
    ap.add_argument("--seed", type=int, default=random.randrange(1 << 32))
    ap.add_argument("--sweep", type=int, default=40, help="random inputs in the sweep")
    ap.add_argument("--one-row", action="store_true",
                    help="only the program's first row, no sweep, longest output or failed"
                         " writes: that a packaged copy runs at all")
    args = ap.parse_args()

    if not os.path.exists(args.executable):
        sys.exit(f"{args.program}: {args.executable} is not there: build that configuration first")
    command = shlex.split(args.launcher) + [args.executable]
    newline = b"\r\n" if args.crlf else b"\n"

    rows = [(repr(stdin), stdin, out, err, status)
            for program, stdin, out, err, status in CASES if program == args.program]
    rows += [(f"edge {stdin!r}", stdin, out, b"", 0)
             for stdin, out in BOUNDARIES.get(args.program, list)()]
    sweep = SWEEPS.get(args.program)
    # The longest output and the failed writes, beside the rows.
    whole = not args.one_row
    if not whole:
        rows = rows[:1]
    elif sweep:
        rng = random.Random(args.seed)
        for _ in range(args.sweep):
            stdin, out = sweep(rng)
            rows.append(("sweep " + repr(stdin), stdin, out, b"", 0))
    if not rows:
        sys.exit(f"no rows for {args.program}")

    def run(row):
        name, stdin, out, err, status = row
        want = (out.replace(b"\n", newline), err.replace(b"\n", newline), status)
        return name, want, capture(command, stdin, (len(want[0]), len(want[1])))

    # On a terminal: Linux's and macOS's terminals receive exactly the bytes
    # expected; a Windows console draws with escape sequences of its own, so
    # there what the screen shows is compared. Ctrl-D ends typed input only on
    # POSIX terminals, Ctrl-Z and Enter only on Windows; Wine's console echoes a
    # tab as ^I, where Windows' moves to the next tab stop. Every program also
    # reads /dev/null, a character device that is no terminal, as NUL is on
    # Windows. Each row runs twice: with stderr on the terminal, and with it
    # apart, in a pipe, where the terminal shows the same less the error line
    # and the pipe receives just that line; with stdout in a file or pipe too,
    # the terminal shows just the echo. Not under Wine: its console echoes
    # nothing where neither stdout nor stderr is the console.
    windows = args.executable.endswith(".exe")
    terminal_rows = []
    if whole and os.name == "posix":
        utf8, skipped = utf8_locale(), 0
        for row in TERMINAL + [(args.program, C, None, P1.decode() + "\n" + SHOWN_ERR, 1)]:
            keys = "".join(row[2]) if isinstance(row[2], list) else ""
            # A Windows console echoes typed-ahead lines only as they are read.
            pasted = isinstance(row[2], list) and any("\r" in key[:-1] for key in row[2])
            if (row[0] != args.program or CTRL_Z in keys and not windows
                    or windows and (CTRL_D in keys or "\t" in keys or pasted)
                    or "full" in row[5:] and not os.path.exists("/dev/full")):
                continue
            variables = row[1] if isinstance(row[1], dict) else {"LC_ALL": row[1]}
            if UTF8 in variables.values():
                if not utf8:
                    skipped += 1
                    continue
                variables = {key: utf8 if value == UTF8 else value
                             for key, value in variables.items()}
            stdin, shown, status, *into = row[2:]
            terminal_rows += [(variables, stdin, shown, status, apart, *(into or (None, None)),
                               command)
                              for apart in (False, True) if not (apart and into and windows)]
        # Through Explorer's stand-in, which takes a Windows path.
        if windows and args.explorer:
            started = shlex.split(args.launcher) + [
                args.explorer, "Z:" + os.path.abspath(args.executable).replace("/", "\\")]
            terminal_rows += [({"LC_ALL": C}, stdin, shown, status, False, None, None, started)
                              for program, stdin, shown, status in EXPLORER
                              if program == args.program]
        if skipped:
            print(f"{args.program}: skipped {skipped} terminal rows in a UTF-8 locale:"
                  " none of C.UTF-8, UTF-8, en_US.UTF-8 is here")

    pyte_missing = None
    if windows and terminal_rows:
        try:
            screen(b"")
        except ImportError:
            pyte_missing = f"no pyte for {sys.executable}: apt-get install python3-pyte"

    def on_screen(row):
        variables, stdin, shown, status, apart, into, answer, started = row
        how = "typed" if isinstance(stdin, list) else "from /dev/null" if stdin is None else "piped"
        name = (f"on a terminal, {variables}, {how} {stdin!r}"
                + (", started by Explorer" if started != command else "")
                + (f", answer into {'/dev/full' if into == 'full' else 'a ' + into}" if into else "")
                + (", stderr apart" if apart else ""))
        env = {key: value for key, value in os.environ.items()
               if not key.startswith(("LC_", "LANG"))}
        env.update(variables)
        err = b"" if apart else None
        for error in (SHOWN_ERR, WRITE_ERR.decode()):
            if apart and error in shown:
                shown, err = shown.replace(error, ""), error.encode().replace(b"\n", newline)
        if apart and into:
            # The line end before an error went with the error.
            shown = "".join(stdin).replace("\r", "\n").replace(CTRL_D, "").replace(CTRL_Z, "^Z")
        want = shown.replace("\n", "\r\n").encode()
        if into:
            answer = answer.replace(b"\n", newline)
        if not windows:
            out, have_err, have_status, have_answer = on_terminal(
                started, stdin, env, lambda out, _: into == "full" or out.endswith(b": "), apart,
                into)
            # macOS and the BSDs echo Ctrl-D, with ECHOCTL off, as the byte
            # itself, which a terminal shows as nothing; Linux echoes nothing.
            out = out.replace(CTRL_D.encode(), b"")
            return name, (want, err, status, answer), (out, have_err, have_status, have_answer)
        if pyte_missing:
            return name, "pyte", pyte_missing

        def at_prompt(out, master):
            # The cursor's line, its blanks cut, ends in ":" one place before it,
            # or in the line asking for Enter just before it (or the file or
            # pipe ends in ": "), and Wine's console has made the terminal raw,
            # as it does only once the program reads: keys typed before that
            # are taken as a line (Enter as ^J) and never reach the program.
            import termios
            if into:
                asked = out.endswith(b": ")
            else:
                lines, (y, x) = screen(out)
                asked = y < len(lines) and (lines[y].endswith(":") and x == len(lines[y]) + 1
                                            or lines[y].endswith(HOLD) and x == len(lines[y]))
            return asked and not termios.tcgetattr(master)[3] & termios.ICANON
        out, have_err, have_status, have_answer = on_terminal(started, stdin, env, at_prompt,
                                                              apart, into)
        return (name, (screen(want), err, status, answer),
                (screen(out), have_err, have_status, have_answer))

    failed = 0
    with ThreadPoolExecutor(max_workers=4) as pool:
        for name, want, have in pool.map(on_screen, terminal_rows):
            if want != have:
                failed += 1
                print(f"FAIL {args.program} {name}\n  expected {want}\n  got      {have}")
        for name, want, have in pool.map(run, rows):
            if want != have:
                failed += 1
                print(f"FAIL {args.program} {name}")
                for label, w, h in zip(("stdout", "stderr", "status"), want, have):
                    if w != h:
                        print(f"  {label}: {difference(w, h)}")
    total = len(rows) + len(terminal_rows)
    if whole and args.program in LONGEST:
        total += 1
        stdin, size, crc, tail, _ = LONGEST[args.program]
        want = (len(P1) + size, crc, tail, 0)
        have = stream(command, stdin, want[0], len(tail))
        if have != want:
            failed += 1
            print(f"FAIL {args.program} longest {stdin!r}: (bytes, CRC-32, tail, status)\n"
                  f"  expected {want}\n  got      {have}")

    # An answer that cannot be written must not end as a success, and the work
    # must stop there: a run that stops at the first failed write takes next to
    # no processor time, where one that formats on takes a second or more.
    def check_failure(label, stdin, stdout, limit=None):
        status, err, seconds = failing_write(command, stdin, stdout, limit)
        if (status, err) != (1, WRITE_ERR.replace(b"\n", newline)) or seconds > 0.25:
            print(f"FAIL {args.program} {stdin!r} {label}: status {status}, "
                  f"stderr {err!r}, {seconds:.2f} s of processor time")
            return 1
        return 0

    # /dev/null, a character device that is no terminal, as NUL is on Windows,
    # takes the answer as a file does.
    answered = next((row[1] for row in rows if row[4] == 0), None)
    if whole:
        total += 1
        stdin = answered
        got = subprocess.run(command, input=stdin, stdout=subprocess.DEVNULL,
                             stderr=subprocess.PIPE, timeout=60)
        if (got.returncode, got.stderr) != (0, b""):
            failed += 1
            print(f"FAIL {args.program} {stdin!r} into /dev/null: status {got.returncode},"
                  f" stderr {got.stderr!r}")

    if whole and os.path.exists("/dev/full"):
        total += 1
        stdin = LONGEST[args.program][0] if args.program in LONGEST else answered
        with open("/dev/full", "wb") as full:
            failed += check_failure("into a full disk", stdin, full)
    # The same, where the output fails after 1 MB has gone out: what went out
    # must be exactly the start of the answer.
    if whole and args.program in LONGEST and os.name == "posix":
        total += 1
        stdin, *_, head = LONGEST[args.program]
        with tempfile.TemporaryFile() as out:
            bad = check_failure("into a file that stops at 1 MB", stdin, out, len(head))
            out.seek(0)
            written = out.read()
        if not bad and written != head:
            bad = 1
            print(f"FAIL {args.program} {stdin!r} into a file that stops at 1 MB: "
                  f"{difference(head, written)}")
        failed += bad

    print(f"{args.program} (sweep seed {args.seed}): "
          f"{total - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
