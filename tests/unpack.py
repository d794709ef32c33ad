#!/usr/bin/env python3
"""Unpacks a release archive into a fresh folder and checks that it holds
exactly the given files, all inside one top folder, and that no program in it
needs a C++ or GCC runtime library that a user's machine may lack.

usage: unpack.py [--objdump OBJDUMP] ARCHIVE DEST TOP FILE...
"""
import argparse
import os
import re
import shutil
import subprocess
import sys

# Shared libraries as ELF names them (NEEDED) and Windows DLLs (DLL Name):
# GCC's runtimes, and LLVM's libc++ where Clang builds with it.
RUNTIMES = re.compile(r"(?:NEEDED|DLL Name:)\s+(lib(?:stdc\+\+|c\+\+|gcc|winpthread)\S*)")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--objdump", help="objdump for the programs' target, to read what they"
                    " need; none or empty: not checked")
    ap.add_argument("archive")
    ap.add_argument("dest")
    ap.add_argument("top")
    ap.add_argument("files", nargs="+")
    args = ap.parse_args()
    if not os.path.exists(args.archive):
        sys.exit(f"no {args.archive}: make it first (cpack --preset NAME, or the workflow)")
    shutil.rmtree(args.dest, ignore_errors=True)
    shutil.unpack_archive(args.archive, args.dest)
    found = {os.path.relpath(os.path.join(folder, name), args.dest).replace(os.sep, "/")
             for folder, _, names in os.walk(args.dest) for name in names}
    wanted = {f"{args.top}/{name}" for name in args.files}
    problems = [f"{label}: {path}" for label, paths in (("missing", wanted - found),
                                                       ("unexpected", found - wanted))
                for path in sorted(paths)]
    for path in sorted(wanted & found) if args.objdump else []:
        headers = subprocess.run([args.objdump, "-p", os.path.join(args.dest, path)],
                                 capture_output=True, text=True).stdout
        problems += [f"{path} needs {lib}" for lib in RUNTIMES.findall(headers)]
    if problems:
        print("\n".join(problems))
        sys.exit(f"{args.archive} is not as it should be")
    checked = ", none needing a C++ runtime library" if args.objdump else ""
    print(f"{args.archive}: {len(found)} files, as expected{checked}")


if __name__ == "__main__":
    main()
