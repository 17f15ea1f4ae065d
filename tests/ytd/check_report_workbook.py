#!/usr/bin/python3
"""The quarter's report as a workbook, read back by a real spreadsheet reader (openpyxl): the same
employees, numbers and totals as the report's CSV file, amounts as numbers with two decimals.

usage: check_report_workbook.py TALLYRIN_CALC EMPLOYEE_FOLDER
"""
import csv
import os
import shutil
import subprocess
import sys
import tempfile

import openpyxl


def main():
    tool, employees = sys.argv[1:3]
    work = tempfile.mkdtemp(prefix="tallyrin-report-")
    try:
        folder = os.path.join(work, "work")
        shutil.copytree(employees, folder)
        book, table = os.path.join(work, "q1.xlsx"), os.path.join(work, "q1.csv")
        for out in (book, table):
            run = subprocess.run([tool, "--folder", folder, "--report", "q1", "--out", out], capture_output=True, text=True)
            if run.returncode != 0:
                print("FAILED: --out %s exits %d: %s" % (out, run.returncode, run.stderr))
                return 1
        with open(table, newline="") as f:
            rows = list(csv.reader(f))
        sheet = openpyxl.load_workbook(book).active
        failures = []
        heading = [c.value for c in sheet[1]]
        if heading[: len(rows[0])] != rows[0]:
            failures.append("headings %s, the CSV has %s" % (heading, rows[0]))
        lines = [r for r in rows[1:] if r and not r[0].startswith(("941", "940", "NOTE"))]
        for index, expected in enumerate(lines, start=2):
            cells = [c.value for c in sheet[index]]
            if cells[0] != expected[0]:
                failures.append("row %d is %s, the CSV's %s" % (index, cells[0], expected[0]))
                continue
            for column, text in enumerate(expected[2:22], start=2):
                cell = sheet.cell(row=index, column=column + 1)
                if not isinstance(cell.value, (int, float)) or abs(cell.value - float(text)) > 0.001:
                    failures.append("%s %s: %r, the CSV's %s" % (expected[0], rows[0][column], cell.value, text))
                elif cell.number_format != "0.00":
                    failures.append("%s %s shows as %s" % (expected[0], rows[0][column], cell.number_format))
        if lines[-1][0] != "TOTALS":
            failures.append("the CSV does not end its table with TOTALS")
        for f in failures:
            print("FAILED:", f)
        print("%d rows checked" % len(lines))
        return 1 if failures else 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
