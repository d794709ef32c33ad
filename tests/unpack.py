#!/usr/bin/env python3
"""Unpacks a release archive into a fresh folder and checks that it holds
exactly the given files, all inside one top folder.

usage: unpack.py ARCHIVE DEST TOP FILE...
"""
import os
import shutil
import sys


def main():
    archive, dest, top, *files = sys.argv[1:]
    if not os.path.exists(archive):
        sys.exit(f"no {archive}: make it first (cpack --preset NAME, or the workflow)")
    shutil.rmtree(dest, ignore_errors=True)
    shutil.unpack_archive(archive, dest)
    found = {os.path.relpath(os.path.join(folder, name), dest).replace(os.sep, "/")
             for folder, _, names in os.walk(dest) for name in names}
    wanted = {f"{top}/{name}" for name in files}
    for label, paths in (("missing", wanted - found), ("unexpected", found - wanted)):
        for path in sorted(paths):
            print(f"{label}: {path}")
    if found != wanted:
        sys.exit(f"{archive} does not hold just the {len(wanted)} files expected")
    print(f"{archive}: {len(found)} files, as expected")


if __name__ == "__main__":
    main()
