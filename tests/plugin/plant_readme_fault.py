#!/usr/bin/env python3
"""Writes OUT: the README.TXT IN with a UTF-8 letter and a bare line feed
planted after its first line, as an editor saving UTF-8 would leave them.
Usage: plant_readme_fault.py IN OUT"""
import sys

source, target = sys.argv[1:]
with open(source, "rb") as readme:
    data = readme.read()
first_line_end = data.index(b"\r\n") + 2
with open(target, "wb") as planted:
    planted.write(data[:first_line_end] + "Caf\u00e9 au lait\n".encode("utf-8") + data[first_line_end:])
