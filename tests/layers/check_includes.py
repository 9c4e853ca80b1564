#!/usr/bin/env python3
"""Fails on an include that points up the layers: each folder of src/ and
host/ may include only itself and the folders below it. Usage:
check_includes.py ROOT (the folder that holds src/ and host/)."""
import pathlib
import re
import sys

BELOW = {
    "base": set(),
    "platform": {"base"},
    "settings": {"base", "platform"},
    "import": {"base", "platform"},
    "setup": {"base", "platform", "settings"},
    "plugin": {"base", "platform", "settings", "import", "setup"},
    "host": {"base", "platform"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)
SOURCES = {".h", ".cpp", ".rc"}


def folders(root):
    for layer in sorted((root / "src").iterdir()):
        if layer.is_dir():
            yield layer.name, layer
    yield "host", root / "host"


# Inside import/: a reader uses only its own folder and readers/shared/ (never
# another reader), and neither the finishing steps (text/) nor the encoding
# (encoding/) use a reader.
def import_violations(path, included, root):
    parts = path.relative_to(root / "src" / "import").parts
    target = included.split("/")
    if target[0] != "import" or len(parts) < 2:
        return
    where = parts[0]
    if where == "readers" and len(parts) >= 3 and target[1:2] == ["readers"] and len(target) >= 4:
        if target[2] not in (parts[1], "shared"):
            yield f"{path}: includes \"{included}\"; a reader includes no other reader"
    if where in ("text", "encoding") and target[1:2] == ["readers"]:
        yield f"{path}: includes \"{included}\"; import/{where}/ includes no reader"
    if where == "readers" and len(parts) >= 3 and parts[1] == "shared" and target[1:2] == ["readers"] \
            and len(target) >= 4 and target[2] != "shared":
        yield f"{path}: includes \"{included}\"; readers/shared/ includes no reader"


def violations(root):
    for name, folder in folders(root):
        if name not in BELOW:
            yield f"{folder}: a folder that has no place among the layers"
            continue
        allowed = BELOW[name] | {name}
        for path in sorted(folder.rglob("*")):
            if path.suffix not in SOURCES:
                continue
            for included in INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace")):
                if "/" not in included:
                    if not (path.parent / included).exists():
                        yield f"{path}: \"{included}\" is no file beside it"
                    continue
                target = included.split("/", 1)[0]
                if target not in allowed:
                    yield f"{path}: includes \"{included}\"; {name}/ may use only {sorted(allowed)}"
                if name == "import":
                    yield from import_violations(path, included, root)


def main():
    root = pathlib.Path(sys.argv[1])
    found = list(violations(root))
    for line in found:
        print(line)
    print(f"{len(found)} upward or unknown includes under {root}")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
