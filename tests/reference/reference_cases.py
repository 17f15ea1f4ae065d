#!/usr/bin/python3
"""Runs the command line over pay periods whose results were worked out independently of the
program, and compares every result label to the cent.

The archive holds cases/case_NNNN/ folders, each with:
  work/          a working folder: one employee's files and the federal table files;
  args.json      user, entries (the eight entry texts as typed), ot2x, fed_jan;
  expected.json  exit, stderr_contains (only for a refused period), labels (name to text, in the
                 order the command line prints them);
  summary.json   what the case is made of, shown when it fails.

Each case runs on a fresh copy of its work/ folder. The expected results are never changed to
make a case pass.

usage: reference_cases.py TALLYRIN_CALC CASES.tar.xz [CASE_NAME ...]
"""
import concurrent.futures
import json
import os
import shlex
import shutil
import subprocess
import sys
import tarfile
import tempfile
import time


def command(tool, folder, args):
    cmd = [tool, "--folder", folder, "--user", args["user"], "--entries", ",".join(args["entries"])]
    if args.get("ot2x"):
        cmd.append("--ot2x")
    if args.get("fed_jan"):
        cmd.append("--fed-jan")
    return cmd


def printed_labels(stdout):
    labels = []
    for line in stdout.splitlines():
        name, tab, text = line.partition("\t")
        if tab:
            labels.append((name, text))
    return labels


def run_case(tool, case_dir, scratch):
    """Returns None when the case passes, otherwise the lines that say why."""
    name = os.path.basename(case_dir)
    with open(os.path.join(case_dir, "args.json")) as f:
        args = json.load(f)
    with open(os.path.join(case_dir, "expected.json")) as f:
        expected = json.load(f)
    folder = os.path.join(scratch, name)
    shutil.copytree(os.path.join(case_dir, "work"), folder)
    os.chmod(folder, 0o700)  # a working folder as the program makes it: its owner's alone
    cmd = command(tool, folder, args)
    try:
        done = subprocess.run(cmd, capture_output=True, text=True, timeout=60)
    except subprocess.TimeoutExpired:
        return [f"FAIL {name}: no answer within 60 s", "  command: " + shlex.join(cmd)]
    problems = []
    if done.returncode != expected["exit"]:
        problems.append(f"exit status {done.returncode}, expected {expected['exit']}")
    wanted_message = expected.get("stderr_contains")
    if wanted_message is not None and wanted_message not in done.stderr:
        problems.append(f"standard error lacks {wanted_message!r}")
    if wanted_message is None and done.stderr.strip():
        problems.append(f"unexpected standard error {done.stderr.strip()!r}")
    got = printed_labels(done.stdout)
    want = list(expected["labels"].items())
    got_map = dict(got)
    for label, text in want:
        if label not in got_map:
            problems.append(f"label {label} missing, expected {text!r}")
        elif got_map[label] != text:
            problems.append(f"label {label} is {got_map[label]!r}, expected {text!r}")
    extra = [label for label, _ in got if label not in expected["labels"]]
    if extra:
        problems.append("labels not expected: " + ", ".join(extra))
    if not problems and [label for label, _ in got] != [label for label, _ in want]:
        problems.append("labels printed in another order: " + " ".join(label for label, _ in got))
    shutil.rmtree(folder, ignore_errors=True)
    if not problems:
        return None
    with open(os.path.join(case_dir, "summary.json")) as f:
        summary = json.load(f)
    head = [f"FAIL {name}",
            "  summary: " + "; ".join(f"{k}={v}" for k, v in summary.items() if k != "entries"),
            "  command: " + shlex.join(cmd)]
    return head + ["  " + p for p in problems]


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    tool, archive = sys.argv[1], sys.argv[2]
    only = set(sys.argv[3:])
    started = time.monotonic()
    with tempfile.TemporaryDirectory(prefix="reference-cases-") as scratch:
        cases_root = os.path.join(scratch, "cases")
        with tarfile.open(archive) as tar:
            # The archive holds plain folders and files only.
            for member in tar.getmembers():
                if not (member.isfile() or member.isdir()) or member.name.startswith("/") or ".." in member.name.split("/"):
                    print(f"the archive holds an entry it should not: {member.name}", file=sys.stderr)
                    return 1
            tar.extractall(scratch)
        runs = os.path.join(scratch, "runs")
        os.mkdir(runs)
        cases = sorted(n for n in os.listdir(cases_root) if not only or n in only)
        if not cases:
            print("no cases found", file=sys.stderr)
            return 1
        failures = []
        workers = max(2, min(8, os.cpu_count() or 2))
        with concurrent.futures.ThreadPoolExecutor(workers) as pool:
            results = pool.map(lambda n: run_case(tool, os.path.join(cases_root, n), runs), cases)
            for result in results:
                if result:
                    failures.append(result)
                    print("\n".join(result))
    passed = len(cases) - len(failures)
    print(f"{passed} passed, {len(failures)} failed ({time.monotonic() - started:.1f} s)")
    return 0 if not failures else 1


if __name__ == "__main__":
    sys.exit(main())
