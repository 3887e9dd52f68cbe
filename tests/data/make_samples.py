#!/usr/bin/env python3
"""Writes the sample campaign files the tests read: good ones, and one broken file per defect
the reader must survive. Run it from this folder; the outputs are committed."""
import os
import struct

HEADER = 264
RECORD = 520


def field(text, width):
    data = text.encode("latin-1")[:width]
    return data + b"\0" * (width - len(data))


def header(title, count, version=b"1.00"):
    return version + field(title, 256) + struct.pack("<i", count)


def record(size, offset, name, file_name):
    return struct.pack("<ii", size, offset) + field(name, 255) + field(file_name, 257)


def payload(version, size, seed):
    body = bytes((seed + i * 7) % 256 for i in range(size - len(version)))
    return version + body


def campaign(title, entries):
    """entries: (name, file name, payload); payloads back to back."""
    offset = HEADER + RECORD * len(entries)
    table = b""
    for name, file_name, data in entries:
        table += record(len(data), offset, name, file_name)
        offset += len(data)
    return header(title, len(entries)) + table + b"".join(data for _, _, data in entries)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write(data)


demo = payload(b"1.18", 100, 1)
write("good/Camp.cpn", campaign("Camp", [("Demo", "Demo.scn", demo)]))
write("good/Demo.scn", demo)
write("good/Empty.cpn", header("Empty", 0))
write("good/Three.cpx", campaign("Three Kingdoms", [
    ("Dawn", "Dawn.scx", payload(b"1.18", 300, 2)),
    ("Trial", "Trial.scn", payload(b"1.10", 50, 3)),
    ("Odd", "Odd.scn", payload(b"XY", 2, 4)),
]))

# Payloads stored in reverse order with gaps between them: still a readable campaign.
a, b = payload(b"1.11", 40, 5), payload(b"1.18", 60, 6)
start = HEADER + 2 * RECORD
b_at, a_at = start + 10, start + 10 + len(b) + 7
data = header("Unordered", 2) + record(len(a), a_at, "A", "A.scn") + record(len(b), b_at, "B", "B.scn")
data += b"\xAA" * 10 + b + b"\xBB" * 7 + a
write("good/Unordered.cpn", data)

# Names that must not steer an extracted file out of its folder.
write("good/Traversal.cpn", campaign("Traversal", [
    ("Up", "../../evil.scn", payload(b"1.11", 10, 7)),
    ("Root", "/etc/evil.scn", payload(b"1.11", 10, 8)),
    ("Drive", "C:\\Games\\evil.scn", payload(b"1.11", 10, 9)),
    ("Dots", "..", payload(b"1.11", 10, 10)),
    ("Control", "bad\x01name.scn", payload(b"1.11", 10, 11)),
]))

write("broken/short-header.cpn", b"1.00" + b"\0" * 96)
write("broken/wrong-version.cpn", campaign("Old", [("Demo", "Demo.scn", demo)]).replace(b"1.00", b"1.01", 1))
write("broken/huge-count.cpn", header("Huge", 2147483647))
write("broken/huge-size.cpn", header("Big", 1) + record(2000000000, HEADER + RECORD, "Big", "Big.scn") + b"1.18")
write("broken/negative-offset.cpn", header("Neg", 1) + record(4, -100, "N", "N.scn") + b"1.18")
write("broken/negative-size.cpn", header("Neg", 1) + record(-4, HEADER + RECORD, "N", "N.scn") + b"1.18")
write("broken/payload-past-end.cpn", header("Past", 1) + record(50, HEADER + RECORD, "P", "P.scn") + b"1.18" * 10)
write("broken/table-cut-short.cpn", header("Cut", 3) + record(0, 0, "A", "A.scn") + record(0, 0, "B", "B.scn")[:300])

full_title = header("T" * 256, 0)
write("good/TitleFull.cpn", full_title)
