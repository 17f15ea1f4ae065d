#!/usr/bin/python3
"""Damaged files of every kind put before `tallyrin-calc --save`.

For each file kind a table of damaged variants takes the place of the good file in a copy of an
employee's folder. Each run must show a message on standard error, exit with status 1, finish in
time, and leave the damaged file on disk: its bytes unchanged, or kept aside as "<file>.damaged".

usage: damaged_files.py TALLYRIN_CALC EMPLOYEE_FOLDER TABLE_FOLDER LEAVE_FILE FILE_KINDS

FILE_KINDS lists the employee's file kinds from the program's own table; the weekly employee's
files are all damaged in turn, and the federal table file with them.
"""
import os
import random
import re
import shutil
import stat
import subprocess
import sys
import tempfile

USER = "Smith"


def weekly_kinds(file_kinds):
    """The files of a weekly employee, in the store's order, then the federal table file."""
    lines = subprocess.run([file_kinds], capture_output=True, text=True, check=True).stdout.split("\n")
    extensions = [l.split()[0] for l in lines if l.strip() and l.split()[1] in ("any", "weekly")]
    return [USER + e for e in extensions] + ["Federal09.dtt"]


TIMEOUT = 5
NUMBER = re.compile(rb"^[-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?$")


def huge_numbers(good):
    """Every number item of the file written as 1E+300."""
    lines = []
    for line in good.split(b"\r\n"):
        items = [b"1E+300" if NUMBER.match(i.strip()) else i for i in line.split(b",")]
        lines.append(b",".join(items))
    return b"\r\n".join(lines)


def binary(good):
    rng = random.Random(len(good))
    return bytes(rng.randrange(256) for _ in range(max(64, len(good))))


# Each variant: a name and how it turns the good file's bytes into the damaged file; the variants
# that are no regular file (SPECIAL) are made at the file's path instead.
def make_fifo(path):
    os.mkfifo(path)


def make_folder(path):
    os.mkdir(path)
    with open(os.path.join(path, "inside"), "wb") as f:
        f.write(b"0\r\n")


VARIANTS = [
    ("truncated", lambda g: g[: len(g) // 2]),
    ("empty", lambda g: b""),
    ("binary", binary),
    ("shifted items", lambda g: b"0," + g),
    ("extra items", lambda g: g + b"1,2,3\r\n"),
    ("huge numbers", huge_numbers),
    ("NUL bytes", lambda g: g[: len(g) // 3] + b"\0\0\0\0" + g[len(g) // 3:]),
    ("FIFO", make_fifo),
    ("directory", make_folder),
    # Good items followed by blank lines up to 2 MB: only the size gives it away.
    ("oversized", lambda g: g + b"\r\n" * (1024 * 1024)),
]
SPECIAL = ("FIFO", "directory")


def describe(path):
    """What is on disk at `path`: ("file", bytes), ("fifo",), ("dir",) or None."""
    try:
        mode = os.lstat(path).st_mode
    except FileNotFoundError:
        return None
    if stat.S_ISFIFO(mode):
        return ("fifo",)
    if stat.S_ISDIR(mode):
        return ("dir",)
    with open(path, "rb") as f:
        return ("file", f.read())


def run_case(tool, employee, tables, leave, kind, variant, make):
    root = tempfile.mkdtemp(prefix="tallyrin-damaged-")
    folder = os.path.join(root, "work")
    try:
        shutil.copytree(employee, folder)
        for t in ("Federal09.dtt", "Federal09_jan.dtt"):
            shutil.copy(os.path.join(tables, t), folder)
        shutil.copy(leave, os.path.join(folder, USER + ".hol"))
        # The W-2 name and deposit files, which only their own screens write, from beside the leave file.
        for extension in (".w2n", ".dd"):
            shutil.copy(os.path.join(os.path.dirname(leave), USER + extension), os.path.join(folder, USER + extension))
        path = os.path.join(folder, kind)
        with open(path, "rb") as f:
            good = f.read()
        os.remove(path)
        if variant in SPECIAL:
            make(path)
        else:
            damaged = make(good)
            if damaged == good:
                return []  # nothing of this kind to damage (a file of texts has no numbers)
            with open(path, "wb") as f:
                f.write(damaged)
        before = describe(path)
        args = [tool, "--folder", folder, "--user", USER, "--entries", "40,,2,,,,,", "--save"]
        problems = []
        try:
            run = subprocess.run(args, capture_output=True, timeout=TIMEOUT)
            if run.returncode != 1:
                problems.append("exit status %d" % run.returncode)
            if not run.stderr.strip():
                problems.append("no message")
        except subprocess.TimeoutExpired:
            problems.append("no answer within %d s" % TIMEOUT)
        kept = os.path.join(folder, kind + ".damaged")
        if describe(path) != before and describe(kept) != before:
            problems.append("the damaged file is gone or changed")
        return problems
    finally:
        # A FIFO that made the program hang may still be waited on; the folder goes anyway.
        shutil.rmtree(root, ignore_errors=True)


def main():
    tool, employee, tables, leave, file_kinds = sys.argv[1:6]
    kinds = weekly_kinds(file_kinds)
    failed = 0
    for kind in kinds:
        for variant, make in VARIANTS:
            problems = run_case(tool, employee, tables, leave, kind, variant, make)
            status = "ok" if not problems else "FAILED: " + "; ".join(problems)
            failed += bool(problems)
            print("%-18s %-14s %s" % (kind, variant, status))
    print("%d of %d damaged files not answered as they should be" % (failed, len(kinds) * len(VARIANTS)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
