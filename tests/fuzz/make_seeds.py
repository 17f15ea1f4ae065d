#!/usr/bin/python3
"""Writes the seed inputs of every fuzz target into OUT/<target>/, taken from the test fixtures
(tests/data, data, the command-line cases' files) and, for the file kinds without a fixture, from
small files written here. Targets that choose a file kind by their first byte get it prefixed."""
import hashlib
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]


def fixtures():
    for base in (ROOT / "tests" / "data", ROOT / "data", ROOT / "tests" / "golden" / "cli"):
        for path in sorted(base.rglob("*")):
            if path.is_file() and path.suffix and path.name != ".gitattributes":
                yield path


def main(out):
    out = pathlib.Path(out)
    seeds = {}

    def add(target, data):
        seeds.setdefault(target, {})[hashlib.sha1(data).hexdigest()] = data

    profile_kind = {".use": 0, ".and": 1, ".cfe": 2, ".ovw": 3, ".ovb": 4}
    simple = {".sta": "state_file", ".cti": "city_file", ".nci": "noncity_file", ".hol": "leave_file",
              ".dtt": "federal_tables", ".sav": "header_file", ".prv": "saved_period"}
    for index, path in enumerate(fixtures()):
        data = path.read_bytes()
        suffix = path.suffix.lower()
        if suffix in (".txt", ".args", ".stdout", ".stderr") or len(data) > 65536:
            continue
        add("settings_reader", bytes([index % 256]) + data)
        if suffix in profile_kind:
            add("profile_files", bytes([profile_kind[suffix]]) + data)
        if suffix == ".ovw":  # the first 26 rows as a bi-weekly rows file
            add("profile_files", bytes([4]) + b"\r\n".join(data.split(b"\r\n")[:26]) + b"\r\n")
        if suffix in (".yrw", ".yrb"):
            add("ledger", bytes([1 if suffix == ".yrb" else 0]) + data)
        if suffix in simple:
            add(simple[suffix], data)

    add("header_file", b'"Acme Tool & Die","12 Main St.","Springfield, OH 45501","31-1234567"\r\n')
    add("header_file", b'"","","",""\r\n')
    add("saved_period", b"40\r\n0\r\n2\r\n0\r\n0\r\n0\r\n10.5\r\n0\r\n")
    add("saved_period", b"1E+07\r\n-3.25\r\n.5\r\n0\r\n0\r\n0\r\n0\r\n99999.99\r\n")

    for target, items in seeds.items():
        folder = out / target
        folder.mkdir(parents=True, exist_ok=True)
        for digest, data in items.items():
            (folder / digest).write_bytes(data)
        print(f"{target:16} {len(items)} seeds")


if __name__ == "__main__":
    main(sys.argv[1])
