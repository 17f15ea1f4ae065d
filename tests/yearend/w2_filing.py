"""The year's end over a folder of 80 employees with a year of ledger rows.

Four paydays are paid and pasted from hours sheets into 80 employees copied from two saved ones
(one weekly, one bi-weekly), each with a name, address and social security number of its
own. Then the W-2 file for filing must hold, in order, RA, RE, one RW per employee each followed
by its RS where state tax was withheld, RT and RF; records of 512 upper-case characters and CR LF;
each RW's amounts equal to that employee's in the year report; RT and RF totalling and counting
them. The W-2 print must have one page per employee with the social security number and box 1 on
it, and the W-3 after them. A missing EIN, a bad social security number and a name that cannot be
split each write nothing and are named.

usage: w2_filing.py TALLYRIN_CALC EMPLOYEE_FOLDER TABLE_FOLDER
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

TEMPLATES = ["Smith", "Bailey"]
COUNT = 80
PAYDAYS = [("01/09/2009", 1), ("04/10/2009", 2), ("07/10/2009", 3), ("10/09/2009", 4)]
FIRST = ["Sam", "Mary Ann", "Jo", "Luis", "Kim", "Ada", "Ben", "Dee"]
LAST = ["Poe", "Lee-Hart", "O'Neil", "Nguyen", "Smith", "Ortiz", "Kahn", "Baker"]


def quoted(*texts):
    return ",".join('"%s"' % t for t in texts)


def set_identity(path, name, street, city_line, ssn):
    with open(path, "rb") as f:
        lines = f.read().split(b"\r\n")
    lines[4] = quoted(street, city_line, ssn).encode()
    lines[5] = quoted(name, "", "").encode()
    with open(path, "wb") as f:
        f.write(b"\r\n".join(lines))


def employee(i):
    first, last = FIRST[i % len(FIRST)], LAST[(i // len(FIRST)) % len(LAST)]
    name = "%s %s%s" % (first, last, ", Jr." if i % 10 == 3 else "")
    return {
        "user": "E%02d" % i,
        "name": name,
        "ssn": "%03d-%02d-%04d" % (100 + i, 10 + i % 80, 1000 + i),
        "street": "%d Elm St" % (100 + i),
        "city": "Springfield, IL 6270%d" % (i % 10),
    }


def run(tool, *args, expect=0):
    done = subprocess.run([tool] + list(args), capture_output=True, text=True, timeout=300)
    if done.returncode != expect:
        raise SystemExit("%s: exit %d, expected %d\n%s%s" % (" ".join(args), done.returncode, expect,
                                                              done.stdout, done.stderr))
    return done


def make_folder(tool, templates, tables, folder):
    os.mkdir(folder, 0o700)
    for t in ("Federal09.dtt", "Federal09_jan.dtt"):
        shutil.copy(os.path.join(tables, t), folder)
    people = [employee(i) for i in range(COUNT)]
    for i, p in enumerate(people):
        base = TEMPLATES[i % len(TEMPLATES)]
        for name in os.listdir(templates):
            stem, ext = os.path.splitext(name)
            if stem == base and ext not in (".yrw", ".yrb"):
                shutil.copy(os.path.join(templates, name), os.path.join(folder, p["user"] + ext))
        set_identity(os.path.join(folder, p["user"] + ".and"), p["name"], p["street"], p["city"], p["ssn"])
    for n, (date, week) in enumerate(PAYDAYS):
        sheet = os.path.join(os.path.dirname(folder), "hours%d.csv" % n)
        with open(sheet, "w") as f:
            f.write("user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week,date\n")
            for i, p in enumerate(people):
                f.write("%s,%d,,%d,,,,,%s,0,%d,%s\n" % (p["user"], 30 + (i * 7 + n) % 50, (i + n) % 5,
                                                       "12.50" if i % 9 == 0 else "", week, date))
        run(tool, "--folder", folder, "--payroll", sheet, "--paste", "--no-backup")
    with open(os.path.join(folder, "Employer.sav"), "wb") as f:
        f.write(b"\r\n".join([
            quoted("12-3456789", "Acme Tool Co", "1 Main St", "Springfield", "IL", "62701").encode(),
            quoted("IL-445566", "ACME1234", "Pat Clerk", "217-555-0100", "pat@acme.example").encode(),
            quoted("", "", "").encode(),
            quoted("R").encode(), b""]))
    return people


def check_file(efw2, report, problems):
    with open(efw2, "rb") as f:
        data = f.read()
    if not data.endswith(b"\r\n"):
        problems.append("the file does not end with CR LF")
    records = data.split(b"\r\n")[:-1]
    for n, r in enumerate(records):
        if len(r) != 512:
            problems.append("record %d is %d characters" % (n + 1, len(r)))
        if r.decode("ascii") != r.decode("ascii").upper():
            problems.append("record %d is not upper case" % (n + 1))
    kinds = [r[:2].decode() for r in records]
    if kinds[:2] != ["RA", "RE"] or kinds[-2:] != ["RT", "RF"]:
        problems.append("records out of order: %s" % kinds)
    middle = kinds[2:-2]
    for n, k in enumerate(middle):
        if k == "RS" and (n == 0 or middle[n - 1] != "RW"):
            problems.append("an RS does not follow its RW")
    rws = [r.decode() for r in records if r[:2] == b"RW"]
    people = {e["user"]: e for e in report["employees"] if not e["self_employed"]}
    if len(rws) != len(people):
        problems.append("%d RW records for %d employees" % (len(rws), len(people)))

    def cents(text):
        return int(round(float(text) * 100))

    fields = [(188, "federal_wages"), (199, "federal_tax"), (210, "ss_wages"), (221, "ss_tax"),
              (232, "medicare_wages"), (243, "medicare_tax"), (254, "ss_tips")]
    by_ssn = {p["ssn"].replace("-", ""): p for p in PEOPLE}
    sums = [0] * len(fields)
    for rw in rws:
        person = by_ssn.get(rw[2:11])
        if person is None:
            problems.append("an RW with an unknown SSN %s" % rw[2:11])
            continue
        figures = people[person["user"]]
        for k, (at, key) in enumerate(fields):
            value = int(rw[at - 1:at + 10])
            sums[k] += value
            if value != cents(figures[key]):
                problems.append("%s %s: %d in the file, %s in the report" % (person["user"], key, value, figures[key]))
    rt = records[-2].decode()
    if int(rt[2:9]) != len(rws):
        problems.append("RT counts %s" % rt[2:9])
    for k, at in enumerate([10, 25, 40, 55, 70, 85, 100]):
        if int(rt[at - 1:at + 14]) != sums[k]:
            problems.append("RT field at %d is %s, the RW sum %d" % (at, rt[at - 1:at + 14], sums[k]))
    if int(records[-1][7:16]) != len(rws):
        problems.append("RF counts %s" % records[-1][7:16].decode())


def check_print(pdf, report, problems):
    pages = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True,
                           check=True).stdout.split("\f")
    people = [e for e in report["employees"] if not e["self_employed"]]
    by_user = {p["user"]: p for p in PEOPLE}
    if len([p for p in pages if p.strip()]) != len(people) + 1:
        problems.append("%d pages for %d W-2s and the W-3" % (len(pages), len(people)))
    for page, figures in zip(pages, people):
        person = by_user[figures["user"]]
        if person["ssn"] not in page or figures["federal_wages"] not in page:
            problems.append("%s: the page lacks %s or %s" % (person["user"], person["ssn"], figures["federal_wages"]))
        if page.count(person["ssn"]) != 3:
            problems.append("%s: not three copies" % person["user"])


def refused(tool, folder, out, change, what, outputs):
    """Each damage writes nothing of `outputs` and names the problem."""
    saved = {}
    for name, text in change.items():
        path = os.path.join(folder, name)
        with open(path, "rb") as f:
            saved[name] = f.read()
        with open(path, "wb") as f:
            f.write(text(saved[name]))
    try:
        for args in outputs:
            done = run(tool, "--folder", folder, *args, expect=1)
            if os.path.exists(out):
                return "%s: %s was written" % (what, out)
            if what not in done.stderr:
                return "%s: not named in %r" % (what, done.stderr)
    finally:
        for name, text in saved.items():
            with open(os.path.join(folder, name), "wb") as f:
                f.write(text)
    return None


def main():
    global PEOPLE
    tool, templates, tables = sys.argv[1:4]
    root = tempfile.mkdtemp(prefix="tallyrin-w2-")
    try:
        folder = os.path.join(root, "work")
        PEOPLE = make_folder(tool, templates, tables, folder)
        report = json.loads(run(tool, "--folder", folder, "--report", "year", "--json").stdout)
        problems = []
        efw2 = os.path.join(root, "W2REPORT")
        run(tool, "--folder", folder, "--efw2", efw2)
        check_file(efw2, report, problems)
        pdf = os.path.join(root, "w2.pdf")
        run(tool, "--folder", folder, "--w2", "--out", pdf)
        check_print(pdf, report, problems)
        with open(efw2, "rb") as f:
            first = f.read()
        run(tool, "--folder", folder, "--efw2", efw2)
        with open(efw2, "rb") as f:
            if f.read() != first:
                problems.append("a second run wrote another file")

        out = os.path.join(root, "refused")
        swap = lambda old, new: (lambda b: b.replace(old.encode(), new.encode(), 1))
        both = [["--efw2", out], ["--w2", "--out", out]]
        for change, what, outputs in [
            ({"Employer.sav": swap('"12-3456789"', '""')}, "EIN is missing", both),
            ({"E05.and": swap(PEOPLE[5]["ssn"], "12-345")}, 'E05: the social security number "12-345"', both),
            ({"E06.and": swap(PEOPLE[6]["name"], "Cher")}, 'E06: the name "Cher" cannot be split', both),
            # Without a User ID the W-2s still print; only the file for filing needs it.
            ({"Employer.sav": swap('"ACME1234"', '""')}, "User ID is missing", both[:1]),
        ]:
            problem = refused(tool, folder, out, change, what, outputs)
            if problem:
                problems.append(problem)
        if problems:
            print("\n".join(problems))
            return 1
        print("80 employees: the W-2 file and the W-2 print agree with the year report")
        return 0
    finally:
        shutil.rmtree(root)


if __name__ == "__main__":
    sys.exit(main())
