#!/usr/bin/env python3
"""Writes one hostile input into the current folder and prints its path, ended by a zero byte.
    make_hostile.py campaign NAME   a campaign-like input (c.cpn unless the name is the point)
    make_hostile.py scenario NAME   a scenario-like input (s.scn unless the name is the point)
    make_hostile.py list campaign|scenario"""
import os
import socket
import struct
import sys

HEADER, RECORD = 264, 520


def field(data, width):
    return data[:width] + b"\0" * (width - len(data[:width]))


def header(count, title=b"Hostile", version=b"1.00"):
    return version + field(title, 256) + struct.pack("<i", count)


def record(size, offset, name=b"S", file_name=b"S.scn"):
    return struct.pack("<ii", size, offset) + field(name, 255) + field(file_name, 257)


def campaign(entries, title=b"Hostile"):
    """entries: (name, file name, payload) back to back."""
    offset = HEADER + RECORD * len(entries)
    table = b""
    for name, file_name, data in entries:
        table += record(len(data), offset, name, file_name)
        offset += len(data)
    return header(len(entries), title) + table + b"".join(d for _, _, d in entries)


def one(file_name=b"S.scn", name=b"S", data=b"1.18" + b"x" * 96, title=b"Hostile"):
    return campaign([(name, file_name, data)], title)


def write(data, path="c.cpn"):
    with open(path, "wb") as out:
        out.write(data)
    return path


def sparse(path, length, start=b""):
    with open(path, "wb") as out:
        out.write(start)
        out.truncate(length)


PAYLOAD = b"1.18" + b"p" * 96
END = HEADER + RECORD
CASES = {
    "empty-file": lambda: write(b""),
    "three-bytes": lambda: write(b"1.0"),
    "header-263": lambda: write(header(0)[:263]),
    "version-1.01": lambda: write(header(0, version=b"1.01")),
    "version-1.10": lambda: write(one()[:0] + b"1.10" + one()[4:]),
    "zero-header": lambda: write(bytes(HEADER)),
    "text-file": lambda: write(b"This is not a campaign at all.\n" * 20),
    "count-max": lambda: write(header(0x7FFFFFFF)),
    "count-negative": lambda: write(header(-5)),
    "table-cut-short": lambda: write(header(3) + record(0, 0)),
    "record-half": lambda: write(header(1) + record(0, 0)[:300]),
    "size-negative": lambda: write(header(1) + record(-1, END) + PAYLOAD),
    "offset-negative": lambda: write(header(1) + record(100, -100) + PAYLOAD),
    "offset-past-end": lambda: write(header(1) + record(100, 10**6) + PAYLOAD),
    "size-past-end": lambda: write(header(1) + record(10**6, END) + PAYLOAD),
    "size-int32-max": lambda: write(header(1) + record(0x7FFFFFFF, END) + PAYLOAD),
    "offset-size-wrap": lambda: write(header(1) + record(0x7FFFFF00, 0x7FFFFF00) + PAYLOAD),
    "payload-in-header": lambda: write(header(1) + record(100, 0) + PAYLOAD),
    "payloads-overlap": lambda: write(header(2) + record(100, END + 520) + record(100, END + 570)
                                      + PAYLOAD + PAYLOAD),
    "400-records-one-range": lambda: write(header(400) + b"".join(
        record(1 << 20, HEADER + RECORD * 400) for _ in range(400)) + bytes(1 << 20)),
    "title-fills-field": lambda: write(one(title=b"T" * 256)),
    "name-fills-field": lambda: write(one(name=b"N" * 255)),
    "file-name-fills-field": lambda: write(one(file_name=b"F" * 257)),
    "name-traversal": lambda: write(one(file_name=b"../../../etc/evil.scn")),
    "name-absolute": lambda: write(one(file_name=b"/tmp/evil.scn")),
    "name-backslashes": lambda: write(one(file_name=b"C:\\Windows\\evil.scn")),
    "name-dot-dot": lambda: write(one(file_name=b"..")),
    "name-empty": lambda: write(one(file_name=b"")),
    "name-escape-codes": lambda: write(one(name=b"\x1b[2J\x1b]0;owned\x07", file_name=b"\x1b[31mred.scn")),
    "name-c1-csi": lambda: write(one(name=b"\x9b2J\x9d0;x\x9c", file_name=b"\x9b31mc1.scn")),
    "name-gbk-bytes": lambda: write(one(file_name=b"\xba\xba\xd7\xd6.scn")),
    "name-256-euros": lambda: write(one(file_name=b"\x80" * 252 + b".scn")),
    "names-duplicate": lambda: write(campaign([(b"A", b"Same.scn", PAYLOAD)] * 3)),
    "trailing-garbage": lambda: write(one() + b"garbage" * 10),
    "gap-before-payload": lambda: write(header(1) + record(100, END + 50) + bytes(50) + PAYLOAD),
    "zero-records-100k": lambda: sparse("c.cpn", HEADER + RECORD * 100000, header(100000)),
    "sparse-3gb-one-record": lambda: sparse("c.cpn", 3 << 30, one()),
    "missing-file": lambda: None,
    "directory": lambda: os.mkdir("c.cpn"),
    "fifo": lambda: os.mkfifo("c.cpn"),
    "socket": lambda: socket.socket(socket.AF_UNIX).bind("c.cpn"),
    "link-to-dev-zero": lambda: os.symlink("/dev/zero", "c.cpn"),
    "link-to-dev-null": lambda: os.symlink("/dev/null", "c.cpn"),
    "link-to-proc-file": lambda: os.symlink("/proc/version", "c.cpn"),
    "link-dangling": lambda: os.symlink("nowhere.cpn", "c.cpn"),
    "link-loop": lambda: os.symlink("c.cpn", "c.cpn"),
    "read-only-file": lambda: (write(one()), os.chmod("c.cpn", 0o444)),
    "no-permissions-file": lambda: (write(one()), os.chmod("c.cpn", 0)),
    "long-campaign-name": lambda: write(one(), "L" * 250 + ".cpn"),
    "non-utf8-campaign-name": lambda: write(one(), b"caf\xe9.cpn"),
    "newline-campaign-name": lambda: write(one(), "new\nline.cpn"),
    "dash-campaign-name": lambda: write(one(), "-x.cpn"),
}

SCENARIOS = {
    "scenario-empty": lambda: write(b"", "s.scn"),
    "scenario-missing": lambda: "s.scn",
    "scenario-directory": lambda: (os.mkdir("s.scn"), "s.scn")[1],
    "scenario-fifo": lambda: (os.mkfifo("s.scn"), "s.scn")[1],
    "scenario-dev-zero": lambda: (os.symlink("/dev/zero", "s.scn"), "s.scn")[1],
    "scenario-2gib-sparse": lambda: (sparse("s.scn", 1 << 31, b"1.18"), "s.scn")[1],
    "scenario-non-utf8-name": lambda: write(PAYLOAD, b"caf\xe9.scn"),
    "scenario-255-byte-name": lambda: write(PAYLOAD, "S" * 251 + ".scn"),
    "scenario-euro-name": lambda: write(PAYLOAD, "\u20ac" * 83 + ".scn"),
    "scenario-control-name": lambda: write(PAYLOAD, "\x1b[31m\u009b.scn"),
}

if __name__ == "__main__":
    kinds = {"campaign": (CASES, "c.cpn"), "scenario": (SCENARIOS, "s.scn")}
    if sys.argv[1] == "list":
        print("\n".join(kinds[sys.argv[2]][0]))
    else:
        cases, default = kinds[sys.argv[1]]
        path = cases[sys.argv[2]]() or default
        if isinstance(path, tuple):
            path = default
        sys.stdout.buffer.write(os.fsencode(path) + b"\0")
