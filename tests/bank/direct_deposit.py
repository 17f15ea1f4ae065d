#!/usr/bin/python3
"""The payday's direct-deposit file, checked by a reader of the ACH format written from the format's
own definition.

A payday of 80 employees, half of them with deposit accounts (checking and savings, at several
banks), is paid with --ach. Every record must be 94 characters, the file a whole number of blocks
of ten filled out with records of nines; the file header, batch header, entries, batch control and
file control must hold what the format defines (routing check digits, the entry hash, counts and
totals); each entry must credit that employee's net pay in the payday's JSON, each deposit employee
once and nobody else; the statements of the deposit employees must say so, and the checks print
must hold only the other half. The same payday run again writes the same bytes.

A small payday must write the golden file. A missing company ID, a deposit account with a wrong
check digit and a negative net pay are named together in one message: no file, exit status 1, the
other rows still paid.

usage: direct_deposit.py TALLYRIN_CALC EMPLOYEE_FOLDER TABLE_FOLDER GOLDEN_ACH
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

TEMPLATES = ["Smith", "Bailey"]
COUNT = 80
BANKS = ["011000015", "021000021", "031000011", "122000247"]
EMPLOYER = (b'"12-3456789","Acme Tool Co","1 Main St","Springfield","IL","62701"\r\n"","","","",""\r\n'
            b'"%s","011000015","First Bank of Springfield"\r\n"R"\r\n')


def routing_ok(digits):
    """Nine digits whose weighted sum (3, 7, 1, ...) is a multiple of ten."""
    return len(digits) == 9 and digits.isdigit() and \
        sum(int(d) * w for d, w in zip(digits, [3, 7, 1] * 3)) % 10 == 0


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def staff(templates, tables, folder, company_id=b"1123456789"):
    os.makedirs(folder, 0o700)
    for t in ("Federal09.dtt", "Federal09_jan.dtt"):
        shutil.copy(os.path.join(tables, t), folder)
    users, accounts = [], {}
    for i in range(COUNT):
        user = "E%02d" % i
        users.append(user)
        base = TEMPLATES[i % 2]
        for name in os.listdir(templates):
            stem, ext = os.path.splitext(name)
            if stem == base and ext not in (".yrw", ".yrb"):
                shutil.copy(os.path.join(templates, name), os.path.join(folder, user + ext))
        if i % 4 in (1, 2):  # half of them, weekly and bi-weekly alike
            account = ("%d-%07d" % (i % 7, 1000 + i * 37), "SAVINGS" if i % 3 == 0 else "CHECKING",
                       BANKS[i % len(BANKS)])
            accounts[user] = account
            write(os.path.join(folder, user + ".dd"),
                  ('"%s","%s","%s"\r\n' % (account[2], account[0], account[1])).encode())
    write(os.path.join(folder, "Employer.sav"), EMPLOYER % company_id)
    return users, accounts


def sheet(path, users, week=1, amounts=None):
    with open(path, "w") as f:
        f.write("user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week\n")
        for i, u in enumerate(users):
            f.write("%s,%d,,%d,,,,%s,,0,%d\n" % (u, 20 + (i * 7) % 30, i % 3, (amounts or {}).get(u, ""), week))


def run(tool, *args):
    return subprocess.run([tool] + list(args), capture_output=True, text=True, timeout=300)


def check_ach(data, nets, accounts, problems):
    """Reads the file as the format defines it; `nets` maps each user paid to his net pay in cents."""
    if not data.endswith(b"\n"):
        problems.append("the file does not end with a line end")
    records = [r.rstrip(b"\r").decode("ascii") for r in data.split(b"\n")[:-1]]
    for n, r in enumerate(records):
        if len(r) != 94:
            problems.append("record %d is %d characters" % (n + 1, len(r)))
    if len(records) % 10:
        problems.append("%d records are not whole blocks of ten" % len(records))
    kinds = "".join(r[0] for r in records)
    body = kinds[:kinds.find("9") + 1]
    if not (body.startswith("15") and body.endswith("89") and set(body[2:-2]) <= {"6"}):
        problems.append("records out of order: %s" % kinds)
        return
    pad = records[len(body):]
    if any(r != "9" * 94 for r in pad) or len(pad) >= 10:
        problems.append("the filler records are not %d records of nines" % len(pad))
    head, batch, entries, control, total = records[0], records[1], records[2:len(body) - 2], \
        records[len(body) - 2], records[len(body) - 1]
    if head[1:3] != "01" or head[3] != " " or not routing_ok(head[4:13]):
        problems.append("file header: priority or immediate destination: %r" % head[1:13])
    if head[13:23] != "1123456789" or head[23:29] != "090130" or head[29:33] != "0000" or head[33] != "A":
        problems.append("file header: origin, date, time or modifier: %r" % head[13:34])
    if head[34:40] != "094101":
        problems.append("file header: record size, blocking factor, format: %r" % head[34:40])
    odfi = head[4:12]
    if batch[1:4] != "220" or batch[40:50] != "1123456789" or batch[50:53] != "PPD":
        problems.append("batch header: service class, company ID or entry class: %r" % batch[:53])
    if batch[69:75] != "090130" or batch[78] != "1" or batch[79:87] != odfi or batch[87:94] != "0000001":
        problems.append("batch header: effective date, status, bank or batch number: %r" % batch[69:])
    seen, hash_sum, credit = {}, 0, 0
    for n, e in enumerate(entries):
        user = e[39:54].strip()
        code, rdfi, account, cents = e[1:3], e[3:12], e[12:29].strip(), int(e[29:39])
        if not routing_ok(rdfi):
            problems.append("entry %s: routing %s has a wrong check digit" % (user, rdfi))
        if e[78] != "0" or e[79:87] != odfi or int(e[87:94]) != n + 1:
            problems.append("entry %s: addenda indicator or trace number %r" % (user, e[78:]))
        if user in seen:
            problems.append("%s is in the file twice" % user)
        seen[user] = cents
        hash_sum += int(rdfi[:8])
        credit += cents
        want = accounts.get(user)
        if want is None:
            problems.append("%s has no deposit account but is in the file" % user)
            continue
        if (account, rdfi, code) != (want[0], want[2], "32" if want[1] == "SAVINGS" else "22"):
            problems.append("entry %s: %s %s %s, expected %s" % (user, code, rdfi, account, want))
        if cents != nets.get(user):
            problems.append("entry %s: %d cents, the JSON's net is %s" % (user, cents, nets.get(user)))
    missing = sorted(u for u in accounts if u in nets and u not in seen)
    if missing:
        problems.append("deposit employees missing from the file: %s" % missing)
    h = "%010d" % (hash_sum % 10 ** 10)
    if control[1:4] != "220" or int(control[4:10]) != len(entries) or control[10:20] != h:
        problems.append("batch control: count or hash %r, expected %d and %s" % (control[4:20], len(entries), h))
    if int(control[20:32]) != 0 or int(control[32:44]) != credit or control[44:54] != "1123456789" \
            or control[79:87] != odfi or control[87:94] != "0000001":
        problems.append("batch control: totals, company or batch %r" % control[20:])
    if total[1:7] != "000001" or int(total[7:13]) != len(records) // 10 or int(total[13:21]) != len(entries) \
            or total[21:31] != h or int(total[31:43]) != 0 or int(total[43:55]) != credit:
        problems.append("file control %r" % total)


def pdf_pages(path):
    info = subprocess.run(["pdfinfo", path], capture_output=True, text=True).stdout
    return int([l.split()[-1] for l in info.splitlines() if l.startswith("Pages:")][0])


def main():
    tool, templates, tables, golden = sys.argv[1:5]
    problems = []
    work = tempfile.mkdtemp(prefix="tallyrin-deposit-")
    try:
        folder = os.path.join(work, "staff")
        users, accounts = staff(templates, tables, folder)
        hours = os.path.join(work, "hours.csv")
        sheet(hours, users)
        ach, statements, checks = (os.path.join(work, n) for n in ("pay.ach", "s.pdf", "c.pdf"))
        args = ["--folder", folder, "--payroll", hours, "--date", "01/30/2009", "--paste", "--no-backup",
                "--statements", statements, "--checks", checks, "--ach", ach, "--json"]
        done = run(tool, *args)
        if done.returncode != 0:
            raise SystemExit("FAILED: the payday exits %d\n%s" % (done.returncode, done.stderr))
        report = json.loads(done.stdout)
        nets = {e["user"]: int(round(float(e["net"].strip("$").replace(",", "")) * 100))
                for e in report["employees"] if e["paid"]}
        if len(nets) != COUNT:
            problems.append("%d of %d employees paid" % (len(nets), COUNT))
        with open(ach, "rb") as f:
            first = f.read()
        check_ach(first, nets, accounts, problems)
        if report["depositFile"]["entries"] != len(accounts) or not report["depositFile"]["written"]:
            problems.append("the JSON's deposit file: %s" % report["depositFile"])
        endings = {e["user"]: e["deposit"] for e in report["employees"] if e["deposit"]}
        if set(endings) != set(accounts):
            problems.append("the JSON names deposits for %s" % sorted(set(endings) ^ set(accounts)))
        marked = subprocess.run(["pdftotext", statements, "-"], capture_output=True, text=True).stdout
        if marked.count("Direct deposit to account ending") != len(accounts):
            problems.append("%d statements are marked as deposits" % marked.count("Direct deposit to account ending"))
        if pdf_pages(checks) != COUNT - len(accounts):
            problems.append("the checks print has %d pages for %d paper checks" % (pdf_pages(checks),
                                                                                    COUNT - len(accounts)))
        # The same payday again: every row already paid, the same file.
        again = run(tool, *args)
        with open(ach, "rb") as f:
            if again.returncode != 0 or f.read() != first:
                problems.append("running the payday again wrote another file (exit %d)" % again.returncode)

        # A small payday against the golden file.
        small = os.path.join(work, "small")
        shutil.copytree(os.path.join(os.path.dirname(golden), "files", "work"), small)
        for t in ("Federal09.dtt", "Federal09_jan.dtt"):
            shutil.copy(os.path.join(tables, t), small)
        small_ach = os.path.join(work, "small.ach")
        done = run(tool, "--folder", small, "--payroll", os.path.join(os.path.dirname(golden), "files", "hours.csv"),
                   "--date", "01/09/2009", "--ach", small_ach)
        with open(golden, "rb") as g, open(small_ach, "rb") as f:
            if done.returncode != 0 or f.read() != g.read():
                problems.append("the small payday's file is not the golden file (exit %d) %s" % (done.returncode,
                                                                                                 done.stderr))

        # Three faults at once, each named in one message; the other rows are paid.
        bad = os.path.join(work, "bad")
        users, accounts = staff(templates, tables, bad, company_id=b"")
        wrong, negative = sorted(accounts)[0], sorted(accounts)[1]
        write(os.path.join(bad, wrong + ".dd"), b'"011000016","12345","CHECKING"\r\n')
        sheet(hours, users, amounts={negative: "-5000"})
        bad_ach = os.path.join(work, "bad.ach")
        done = run(tool, "--folder", bad, "--payroll", hours, "--date", "01/30/2009", "--ach", bad_ach)
        if done.returncode != 1 or os.path.exists(bad_ach):
            problems.append("the faulty payday exits %d and %s the file" % (
                done.returncode, "writes" if os.path.exists(bad_ach) else "does not write"))
        told = done.stderr[done.stderr.find("was not written"):]
        for needle in ("no company ID", wrong + ": the deposit account file", "011000016 has a wrong check digit",
                       negative + ": the net pay"):
            if needle not in done.stderr:
                problems.append("the refusal does not say %r" % needle)
        if "no company ID" not in told or negative not in told:
            problems.append("the refusal is not one message:\n" + done.stderr[-1500:])
        if "78 paid, 0 already paid, 2 not paid" not in done.stdout or "NOT WRITTEN" not in done.stdout:
            problems.append("the summary of the faulty payday:\n" + done.stdout[-400:])
    finally:
        shutil.rmtree(work, ignore_errors=True)
    for p in problems:
        print("FAILED:", p)
    print("%d problems" % len(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
