#!/usr/bin/python3
"""Writes the seed inputs of every fuzz target into OUT/<target>/, taken from the test fixtures
(tests/data, data, the command-line cases' files) and, for the file kinds without a fixture, from
small files written here. Targets that choose a file kind by their first byte get it prefixed."""
import hashlib
import pathlib
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]


def fixtures():
    for base in (ROOT / "tests" / "data", ROOT / "data", ROOT / "tests" / "golden" / "cli"):
        for path in sorted(base.rglob("*")):
            if path.is_file() and path.suffix and path.name != ".gitattributes":
                yield path


def employee_kinds(file_kinds):
    """The employee_files target's first byte for each extension: its place among the kinds the
    store reads from their text, as the program's own table lists them."""
    lines = subprocess.run([file_kinds], capture_output=True, text=True, check=True).stdout.split("\n")
    readable = [l.split()[0] for l in lines if l.strip() and l.split()[2] == "text"]
    return {extension: index for index, extension in enumerate(readable)}


def main(out, file_kinds):
    out = pathlib.Path(out)
    seeds = {}

    def add(target, data):
        seeds.setdefault(target, {})[hashlib.sha1(data).hexdigest()] = data

    employee_kind = employee_kinds(file_kinds)
    simple = {".dtt": "federal_tables", ".sav": "header_file", ".prv": "saved_period"}
    for index, path in enumerate(fixtures()):
        data = path.read_bytes()
        suffix = path.suffix.lower()
        if suffix in (".txt", ".args", ".stdout", ".stderr") or len(data) > 65536:
            continue
        add("settings_reader", bytes([index % 256]) + data)
        if suffix in employee_kind:
            add("employee_files", bytes([employee_kind[suffix]]) + data)
        if suffix == ".ovw":  # the first 26 rows as a bi-weekly rows file
            add("employee_files", bytes([employee_kind[".ovb"]]) + b"\r\n".join(data.split(b"\r\n")[:26]) + b"\r\n")
        if suffix in (".yrw", ".yrb"):
            add("ledger", bytes([1 if suffix == ".yrb" else 0]) + data)
        if suffix in simple:
            add(simple[suffix], data)

    add("header_file", b'"Acme Tool & Die","12 Main St.","Springfield, OH 45501","31-1234567"\r\n')
    add("header_file", b'"","","",""\r\n')
    add("employer_file", b'"123456789","Acme Tool Co","1 Main St","Springfield","IL","62701"\r\n'
        b'"IL-445566","ACME1234","Pat Clerk","217-555-0100","pat@acme.example"\r\n'
        b'"1234567890","071000013","First Bank"\r\n"R"\r\n')
    add("employer_file", b'"","","","","",""\r\n"","","","",""\r\n"","",""\r\n"R"\r\n')
    add("saved_period", b"40\r\n0\r\n2\r\n0\r\n0\r\n0\r\n10.5\r\n0\r\n")
    add("saved_period", b"1E+07\r\n-3.25\r\n.5\r\n0\r\n0\r\n0\r\n0\r\n99999.99\r\n")

    for target, items in seeds.items():
        folder = out / target
        folder.mkdir(parents=True, exist_ok=True)
        for digest, data in items.items():
            (folder / digest).write_bytes(data)
        print(f"{target:16} {len(items)} seeds")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
