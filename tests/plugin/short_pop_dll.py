#!/usr/bin/env python3
"""Writes a copy of the plug-in DLL in which one export removes 4 bytes of its
arguments too few: each of its `ret $N` (C2 N) becomes `ret $N-4`. The stack
test must fail on the copy.

Usage: short_pop_dll.py IN.dll OUT.dll [EXPORT]   (default ImportDesc_ParentItem)
"""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from check_dll import EXPORTS, disassembly_by_symbol, pefile  # noqa: E402


def main():
    if len(sys.argv) not in (3, 4):
        print(__doc__)
        return 2
    source, target = sys.argv[1], sys.argv[2]
    export = sys.argv[3] if len(sys.argv) == 4 else "ImportDesc_ParentItem"
    argument_bytes = EXPORTS[export][1]

    pe = pefile.PE(source)
    base = pe.OPTIONAL_HEADER.ImageBase
    address = next(base + s.address for s in pe.DIRECTORY_ENTRY_EXPORT.symbols
                   if s.name and s.name.decode() == export)
    blocks = disassembly_by_symbol(source)
    entry = next(symbol for symbol, lines in blocks.items() if lines[0] == address)
    image = bytearray(open(source, "rb").read())
    patched = []
    for part in (s for s in blocks if s == entry or s.startswith(entry + ".")):
        for line in blocks[part][1:]:
            where, instruction = line.split(":", 1)
            if not re.match(rf"^\s*ret[l]?\s+\$0x{argument_bytes:x}$", instruction):
                continue
            offset = pe.get_offset_from_rva(int(where, 16) - base)
            expected = bytes([0xC2, argument_bytes & 0xFF, argument_bytes >> 8])
            if image[offset:offset + 3] != expected:
                print(f"short_pop_dll: {int(where, 16):#x} holds {image[offset:offset + 3].hex()}, "
                      f"expected {expected.hex()}")
                return 1
            image[offset + 1:offset + 3] = (argument_bytes - 4).to_bytes(2, "little")
            patched.append(int(where, 16))
    if not patched:
        print(f"short_pop_dll: no 'ret ${argument_bytes:#x}' in {export}")
        return 1
    with open(target, "wb") as out:
        out.write(image)
    print(f"short_pop_dll: {export} now removes {argument_bytes - 4} of {argument_bytes} bytes "
          f"at {', '.join(hex(a) for a in patched)} in {target}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
