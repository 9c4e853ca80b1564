#!/usr/bin/env python3
"""Fails on a users' README.TXT that Windows would not show as written: it is
read in whatever ANSI code page the user has (Notepad of the plug-in's era
reads no UTF-8), so it must be printable ASCII and TAB, in CR LF lines.
Usage: check-users-readme.py FILE"""
import sys


def faults(data):
    for offset, byte in enumerate(data):
        if byte == 0x0A:
            if offset == 0 or data[offset - 1] != 0x0D:
                yield offset, "a line feed without a carriage return before it"
        elif byte == 0x0D:
            if offset + 1 == len(data) or data[offset + 1] != 0x0A:
                yield offset, "a carriage return without a line feed after it"
        elif byte != 0x09 and not 0x20 <= byte <= 0x7E:
            yield offset, f"byte 0x{byte:02X}, not printable ASCII"
    if data and not data.endswith(b"\r\n"):
        yield len(data), "the last line has no CR LF"


def main():
    path = sys.argv[1]
    with open(path, "rb") as readme:
        data = readme.read()
    found = list(faults(data))
    for offset, what in found[:10]:
        line = data.count(b"\n", 0, offset) + 1
        print(f"{path}: byte {offset} (line {line}): {what}")
    if not data:
        print(f"{path}: empty")
        return 1
    if found:
        print(f"{path}: {len(found)} faults: not plain ASCII in CR LF lines")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
