#!/usr/bin/python3
"""A payday run can always be run again, and two at once on one folder lose nothing.

Kill and rerun: a payday with --paste and both PDFs over a staff of 26 is killed with SIGKILL at a
random moment, then the same sheet is run again to its end. The folder must then hold exactly the
bytes one clean run leaves (no week pasted twice or lost, no temporary file left), the rerun must
exit 0 with every employee paid or already paid, its checks must be the clean run's checks, page
for page, and its direct-deposit file (every other employee has an account) the clean run's file,
byte for byte.

Each killed run finds last week's PDFs in place of its prints: after the kill each must still be a
whole PDF, last week's or this week's.

Two at once: two payday runs started together on one folder paste different weeks. Both must exit
0, and the folder must hold what the two runs leave one after the other.

usage: kill_during_payday.py TALLYRIN_CALC FIXTURE_FOLDER TABLE_FOLDER [SECONDS]
"""
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TABLES = ["Federal09.dtt", "Federal09_jan.dtt"]
WEEKLY, BIWEEKLY = "Smith", "Bailey"
STAFF = 13  # copies of each of the two reference employees


def staff_folder(fixtures, tables, into):
    os.makedirs(into)
    names = []
    for source in (WEEKLY, BIWEEKLY):
        for n in range(STAFF):
            name = "%s%02d" % (source, n)
            names.append(name)
            for entry in os.listdir(fixtures):
                if entry.startswith(source + "."):
                    shutil.copy(os.path.join(fixtures, entry), os.path.join(into, name + entry[len(source):]))
    for t in TABLES:
        shutil.copy(os.path.join(tables, t), into)
    # Every other employee is paid by direct deposit.
    for i, name in enumerate(names[1::2]):
        with open(os.path.join(into, name + ".dd"), "wb") as f:
            f.write(b'"011000015","%08d","%s"\r\n' % (1000 + i, b"SAVINGS" if i % 3 == 0 else b"CHECKING"))
    with open(os.path.join(into, "Employer.sav"), "wb") as f:
        f.write(b'"12-3456789","Acme Tool Co","1 Main St","Springfield","IL","62701"\r\n"","","","",""\r\n'
                b'"1123456789","021000021","First Bank"\r\n"R"\r\n')
    return names


def sheet(path, names, week_shift=0):
    with open(path, "w") as f:
        f.write("user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week\n")
        for i, name in enumerate(names):
            week = (5 if name.startswith(WEEKLY) else 3) + week_shift
            f.write("%s,%d,,%d,,,,,,0,%d\n" % (name, 30 + i % 11, i % 4, week))


def payday(tool, folder, hours, statements, checks, timeout=120, ach=None):
    args = [tool, "--folder", folder, "--payroll", hours, "--date", "01/30/2009", "--paste",
            "--statements", statements, "--checks", checks] + (["--ach", ach] if ach else [])
    return subprocess.run(args, capture_output=True, text=True, timeout=timeout)


def folder_bytes(folder):
    files = {}
    for name in sorted(os.listdir(folder)):
        if name == "Backups":
            continue  # the backups each payday takes first are named after the time they were taken
        with open(os.path.join(folder, name), "rb") as f:
            files[name] = f.read()
    return files


def difference(a, b):
    names = sorted(set(a) | set(b))
    return [n for n in names if a.get(n) != b.get(n)]


def pdf_text(path):
    return subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True, text=True).stdout


def main():
    tool, fixtures, tables = sys.argv[1:4]
    seconds = float(sys.argv[4]) if len(sys.argv) > 4 else 30
    rng = random.Random(int(os.environ.get("CRASH_SEED", time.time_ns())))
    work = tempfile.mkdtemp(prefix="tallyrin-payday-crash-")
    failures = []
    try:
        fixture = os.path.join(work, "fixture")
        names = staff_folder(fixtures, tables, fixture)
        hours = os.path.join(work, "hours.csv")
        sheet(hours, names)

        clean = os.path.join(work, "clean")
        shutil.copytree(fixture, clean)
        start = time.monotonic()
        first = payday(tool, clean, hours, os.path.join(work, "clean-s.pdf"), os.path.join(work, "clean-c.pdf"),
                       ach=os.path.join(work, "clean.ach"))
        typical = time.monotonic() - start
        if first.returncode != 0:
            print("FAILED: the clean run failed:", first.stderr)
            return 1
        expected = folder_bytes(clean)
        expected_checks = pdf_text(os.path.join(work, "clean-c.pdf"))
        with open(os.path.join(work, "clean.ach"), "rb") as f:
            expected_ach = f.read()

        kills = finished = 0
        deadline = time.monotonic() + seconds
        folder = os.path.join(work, "folder")
        while time.monotonic() < deadline and len(failures) < 10:
            shutil.rmtree(folder, ignore_errors=True)
            shutil.copytree(fixture, folder)
            statements, checks = os.path.join(work, "s.pdf"), os.path.join(work, "c.pdf")
            ach = os.path.join(work, "payday.ach")
            if os.path.exists(ach):
                os.remove(ach)
            # Last week's prints are in place; a kill must leave them whole or put this week's.
            shutil.copy(os.path.join(work, "clean-s.pdf"), statements)
            shutil.copy(os.path.join(work, "clean-c.pdf"), checks)
            process = subprocess.Popen([tool, "--folder", folder, "--payroll", hours, "--date", "01/30/2009",
                                        "--paste", "--statements", statements, "--checks", checks, "--ach", ach],
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(rng.uniform(0, 1.1 * typical))
            if process.poll() is None:
                process.send_signal(signal.SIGKILL)
                kills += 1
            else:
                finished += 1
            process.wait()
            for pdf in (statements, checks):
                if subprocess.run(["pdfinfo", pdf], capture_output=True).returncode != 0:
                    failures.append("run %d: the kill left %s unreadable" % (kills + finished, os.path.basename(pdf)))

            rerun = payday(tool, folder, hours, statements, checks, ach=ach)
            run = kills + finished
            if rerun.returncode != 0:
                failures.append("run %d: the rerun exits %d:\n%s" % (run, rerun.returncode, rerun.stderr[:2000]))
                continue
            totals = [l for l in rerun.stdout.strip().splitlines() if l.startswith("TOTALS")][-1]
            if not totals.endswith(" 0 not paid"):
                failures.append("run %d: the rerun's totals: %s" % (run, totals))
            differ = difference(folder_bytes(folder), expected)
            if differ:
                failures.append("run %d: after the rerun these files differ from one clean run: %s" % (run, differ))
            if pdf_text(checks) != expected_checks:
                failures.append("run %d: the rerun's checks are not the clean run's checks" % run)
            with open(ach, "rb") as f:
                if f.read() != expected_ach:
                    failures.append("run %d: the rerun's deposit file is not the clean run's" % run)

        # Two runs at once, pasting different weeks.
        other = os.path.join(work, "hours-next.csv")
        sheet(other, names, week_shift=1)
        sequential = os.path.join(work, "sequential")
        shutil.copytree(fixture, sequential)
        for h in (hours, other):
            payday(tool, sequential, h, os.path.join(work, "q-s.pdf"), os.path.join(work, "q-c.pdf"))
        for attempt in range(3):
            shutil.rmtree(folder, ignore_errors=True)
            shutil.copytree(fixture, folder)
            runs = [subprocess.Popen([tool, "--folder", folder, "--payroll", h, "--date", "01/30/2009", "--paste"],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
                    for h in (hours, other)]
            for r in runs:
                _, err = r.communicate(timeout=120)
                if r.returncode != 0:
                    failures.append("two at once, attempt %d: a run exits %d: %s" % (attempt, r.returncode, err[:500]))
            differ = difference(folder_bytes(folder), folder_bytes(sequential))
            if differ:
                failures.append("two at once, attempt %d: these files differ from two runs one after the other: %s"
                                % (attempt, differ))
    finally:
        shutil.rmtree(work, ignore_errors=True)

    print("%d paydays killed, %d finished before the kill" % (kills, finished))
    for f in failures:
        print("FAILED:", f)
    if kills == 0:
        print("FAILED: no payday was killed before it finished")
        return 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
