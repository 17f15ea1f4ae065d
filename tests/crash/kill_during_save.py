#!/usr/bin/python3
"""Kills `tallyrin-calc --save` at random moments and checks what each kill left in the folder.

Before every run the employee's files are given new values (the hourly rate in the .use, the rate
of the .nci) written in a form the program writes differently, so that every save really rewrites
them. The run is killed with SIGKILL a random few milliseconds after it starts. After each kill:

- a run without --save reads every file whole (exit status 0, nothing on standard error) and shows
  the labels of either the files before the run or the files a finished save writes;
- at most one temporary file per target remains: any file that is neither an employee file nor a
  table file counts as a leftover of the file whose name it holds.

usage: kill_during_save.py TALLYRIN_CALC FIXTURE_FOLDER TABLE_FOLDER SECONDS FILE_KINDS

FILE_KINDS lists the employee's file kinds from the program's own table.
"""
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time

USER = "Smith"
TABLES = ["Federal09.dtt", "Federal09_jan.dtt"]
LOCK = "Tallyrin.lock"  # the working folder's lock, made by the first save
ENTRIES = "40,,2,,,,,"


def calc(tool, folder, save, entries=ENTRIES, timeout=20):
    args = [tool, "--folder", folder, "--user", USER, "--entries", entries]
    if save:
        args.append("--save")
    return subprocess.run(args, capture_output=True, text=True, timeout=timeout)


def set_line_item(path, line, item, text):
    with open(path, "rb") as f:
        lines = f.read().split(b"\r\n")
    items = lines[line].split(b",")
    items[item] = text.encode()
    lines[line] = b",".join(items)
    with open(path, "wb") as f:
        f.write(b"\r\n".join(lines))


def give_new_values(folder, rng):
    """New values in a long form ("12.2500", "0.004700") that the save writes shorter."""
    set_line_item(os.path.join(folder, USER + ".use"), 2, 0, "%.4f" % (rng.randint(800, 2500) / 100))
    nci = os.path.join(folder, USER + ".nci")
    with open(nci, "rb") as f:
        lines = f.read().split(b"\r\n")
    rate_line = max(i for i, l in enumerate(lines) if l.strip())
    lines[rate_line] = ("%.6f" % (rng.randint(10, 90) / 10000)).encode()
    with open(nci, "wb") as f:
        f.write(b"\r\n".join(lines))


def employee_extensions(file_kinds):
    lines = subprocess.run([file_kinds], capture_output=True, text=True, check=True).stdout.split("\n")
    return [l.split()[0] for l in lines if l.strip()]


def leftovers(folder, extensions):
    """Files that are neither the employee's nor the tables, grouped by the file they belong to."""
    known = {USER + e for e in extensions} | set(TABLES) | {LOCK}
    groups = {}
    for name in os.listdir(folder):
        if name in known:
            continue
        owner = max((k for k in known if k in name), key=len, default="(no target) " + name)
        groups.setdefault(owner, []).append(name)
    return groups


def main():
    tool, fixtures, tables = sys.argv[1:4]
    seconds = float(sys.argv[4])
    extensions = employee_extensions(sys.argv[5])
    rng = random.Random(int(os.environ.get("CRASH_SEED", time.time_ns())))
    work = tempfile.mkdtemp(prefix="tallyrin-crash-")
    shadow = tempfile.mkdtemp(prefix="tallyrin-crash-shadow-")
    folder = os.path.join(work, "work")
    shutil.copytree(fixtures, folder)
    os.chmod(folder, 0o700)  # a working folder as the program makes it: its owner's alone
    for t in TABLES:
        shutil.copy(os.path.join(tables, t), folder)

    failures = []
    reported = set()  # targets whose leftovers were reported already
    kills = finished = 0
    typical = 0.05
    deadline = time.monotonic() + seconds
    try:
        while time.monotonic() < deadline:
            give_new_values(folder, rng)
            before = calc(tool, folder, save=False)
            if before.returncode != 0:
                failures.append("the files written before the run do not read: " + before.stderr)
                break
            # The files a finished save leaves, and what they show.
            shutil.rmtree(shadow)
            shutil.copytree(folder, shadow)
            start = time.monotonic()
            saved = calc(tool, shadow, save=True)
            typical = 0.8 * typical + 0.2 * (time.monotonic() - start)
            after = calc(tool, shadow, save=False)
            if saved.returncode != 0 or after.returncode != 0:
                failures.append("a save that was not killed failed: " + saved.stderr + after.stderr)
                break

            entries = "%d,,%d,,,,," % (rng.randint(1, 60), rng.randint(0, 10))
            process = subprocess.Popen([tool, "--folder", folder, "--user", USER, "--entries", entries, "--save"],
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(rng.uniform(0, 1.2 * typical))
            if process.poll() is None:
                process.send_signal(signal.SIGKILL)
                kills += 1
            else:
                finished += 1
            process.wait()

            check = calc(tool, folder, save=False)
            iteration = kills + finished
            if check.returncode != 0 or check.stderr:
                failures.append("after run %d a file does not read whole (exit %d):\n%s"
                                % (iteration, check.returncode, check.stderr))
            elif check.stdout not in (before.stdout, after.stdout):
                failures.append("after run %d the labels are neither the old nor the new files':\n%s"
                                % (iteration, check.stdout))
            for owner, names in sorted(leftovers(folder, extensions).items()):
                if (len(names) > 1 or owner.startswith("(no target)")) and owner not in reported:
                    reported.add(owner)
                    failures.append("after run %d, temporary files of %s: %s" % (iteration, owner, sorted(names)))
    finally:
        left = leftovers(folder, extensions)
        shutil.rmtree(work, ignore_errors=True)
        shutil.rmtree(shadow, ignore_errors=True)

    print("%d runs killed during the save, %d finished before the kill; left at the end: %s"
          % (kills, finished, sum(len(v) for v in left.values())))
    for f in failures[:10]:
        print("FAILED:", f)
    if len(failures) > 10:
        print("... and %d more failures" % (len(failures) - 10))
    if kills == 0:
        print("FAILED: no run was killed before it finished")
        return 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
