#!/usr/bin/env python3
"""Writes a copy of a DLL in which one imported function's name is replaced by
another, no longer one: what a DLL that imports, say, SuspendThread looks like
to the static check.

Usage: patch_import.py DLL COPY FUNCTION REPLACEMENT
"""

import sys

try:
    import pefile
except ImportError:  # a Python of its own (pyenv) does not see Debian's package
    sys.path.append("/usr/lib/python3/dist-packages")
    import pefile


def main():
    if len(sys.argv) != 5:
        print(__doc__)
        return 2
    source, copy, function, replacement = sys.argv[1:]
    pe = pefile.PE(source)
    for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", []):
        for symbol in entry.imports:
            if symbol.name is not None and symbol.name.decode("ascii") == function:
                if len(replacement) > len(function):
                    print(f"{replacement} is longer than {function}")
                    return 1
                name = replacement.encode("ascii").ljust(len(function), b"\0")
                pe.set_bytes_at_offset(symbol.name_offset, name)
                pe.write(copy)
                return 0
    print(f"{source} does not import {function}")
    return 1


if __name__ == "__main__":
    sys.exit(main())
