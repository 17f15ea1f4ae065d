"""Reads back the ledger workbooks tallyrin-calc writes, with a real spreadsheet reader.

Usage: check_ledger_workbook.py TALLYRIN_CALC TEST_DATA_DIR SHIPPED_DATA_DIR
A weekly employee (Smith) and a bi-weekly one (Jones) are exported; the cells, fonts, frozen
pane, footers and page setup are checked, and a workbook that cannot be written is reported.
"""
import os
import shutil
import subprocess
import sys
import tempfile

import openpyxl

calc, test_data, shipped = sys.argv[1:4]
failures = []


def check(what, actual, expected):
    if actual != expected:
        failures.append(f"{what}: {actual!r}, expected {expected!r}")


def export(folder, user, profile, ledger):
    for table in ("Federal09.dtt", "Federal09_jan.dtt"):
        shutil.copy(os.path.join(shipped, table), folder)
    for ext in ("use", "and", "cfe"):
        shutil.copy(os.path.join(test_data, "employee", f"{profile}.{ext}"), os.path.join(folder, f"{user}.{ext}"))
    shutil.copy(os.path.join(test_data, "ytd", ledger), folder)
    out = os.path.join(folder, f"{user} ledger.xlsx")
    run = subprocess.run([calc, "--folder", folder, "--user", user, "--entries", "40,0,0,0,0,0,0,0",
                          "--ledger-xlsx", out], capture_output=True, text=True)
    check(f"{user}: exit status ({run.stderr.strip()})", run.returncode, 0)
    return openpyxl.load_workbook(out).active


def font(ws, name):
    f = ws[name].font
    return (bool(f.b), f.color.rgb if f.color is not None else None)


RED, BLUE = "FFFF0000", "FF0000FF"


def check_sheet(ws, user, ssn, labels, cells, totals_row, extra_row):
    check(f"{user} headings", [ws.cell(1, c).value for c in range(1, 17)],
          ["Date", "Federal", "Soc Sec", "Medicare", "State", "City", *labels, "Kplan", "Tips", "OT", "Net", "Gross"])
    for name, value in cells.items():
        # A number stored as text would read back as a str and differ.
        check(f"{user} {name}", ws[name].value, value)
    check(f"{user} totals label", ws.cell(totals_row, 1).value, "TOTALS=")
    check(f"{user} row after the totals", ws.cell(totals_row + 1, 1).value, None)
    check(f"{user} extra labels", [ws.cell(extra_row, c).value for c in range(3, 7)], ["SDI", "SUI", "Cafe", "Tips"])
    check(f"{user} heading font", font(ws, "A1"), (True, RED))
    check(f"{user} gross heading font", font(ws, "P1"), (True, RED))
    check(f"{user} data font", font(ws, "B2")[0], False)
    check(f"{user} totals font", font(ws, f"A{totals_row}"), (True, BLUE))
    check(f"{user} gross total font", font(ws, f"P{totals_row}"), (True, BLUE))
    check(f"{user} extra label font", font(ws, f"C{extra_row}"), (True, RED))
    check(f"{user} extra value font", font(ws, f"F{extra_row + 1}"), (False, BLUE))
    check(f"{user} frozen pane", ws.freeze_panes, "A2")
    check(f"{user} widths fitted", ws.column_dimensions["A"].width > ws.column_dimensions["F"].width, True)

    check(f"{user} left footer", ws.oddFooter.left.text, f"{user}    {ssn}")
    check(f"{user} centre footer", ws.oddFooter.center.text, "Tallyrin 2009\u00ae")
    check(f"{user} right footer", ws.oddFooter.right.text, "Copyright \u00a9 2009 Quenvoro Software")
    check(f"{user} centre header", ws.oddHeader.center.text, None)
    check(f"{user} orientation", ws.page_setup.orientation, "landscape")
    check(f"{user} fit to page", ws.sheet_properties.pageSetUpPr.fitToPage, True)
    # One page is the file format's default for both counts, so it may be left unwritten.
    check(f"{user} pages wide", ws.page_setup.fitToWidth in (None, 1, "1"), True)
    check(f"{user} pages tall", ws.page_setup.fitToHeight in (None, 1, "1"), True)
    m = ws.page_margins
    check(f"{user} margins", [m.left, m.right, m.top, m.bottom, m.header, m.footer], [0.0] * 6)
    check(f"{user} centred across", ws.print_options.horizontalCentered, True)
    check(f"{user} not centred down", bool(ws.print_options.verticalCentered), False)


with tempfile.TemporaryDirectory() as weekly, tempfile.TemporaryDirectory() as biweekly:
    ws = export(weekly, "Smith", "Keep", "Smith.yrw")
    check_sheet(ws, "Smith", "Soc Sec #", ["CrUnion", "Bond", "Dues", "Pension", "Misc."],
                {"A2": "12/31/2009", "B2": 45.12, "O2": 348.22, "P2": 440.0, "A3": "01/07/2009", "J3": 0.75,
                 "B54": 83.62, "O54": 598.99, "P54": 845.0, "C57": 0.91, "F57": 15.5, "A53": None},
                totals_row=54, extra_row=56)
    check("Smith: rows end at 53", ws.max_row, 57)

    ws = export(biweekly, "Jones", "Jane", "Jones.yrb")
    check_sheet(ws, "Jones", "123-45-6789", ["Credit U", "Savings", "Union", "Retire", "Other"],
                {"A2": "01/09/2009", "B2": 92.4, "A27": "12/25/2009", "C32": 1.2},
                totals_row=28, extra_row=31)
    check("Jones: rows end at 32", ws.max_row, 32)

    # A workbook that cannot be written is reported and gives exit status 1.
    run = subprocess.run([calc, "--folder", biweekly, "--user", "Jones", "--entries", "40,0,0,0,0,0,0,0",
                          "--ledger-xlsx", os.path.join(biweekly, "no such folder", "x.xlsx")],
                         capture_output=True, text=True)
    check("unwritable workbook: exit status", run.returncode, 1)
    check("unwritable workbook: message", "could not be written" in run.stderr, True)

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
