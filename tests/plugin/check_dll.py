#!/usr/bin/env python3
"""Static checks of the product, build/win32/ZandrelPlugin.dll.

The 32-bit DLL cannot run on this machine, so what the host relies on is read
from the file: the PE header, the export directory, the import table against
the list of what the plug-in and its runtime call, the stripped size, the
dialog resource field by field, the version resource, and the stack clean-up of
every return of each export and of the plug-in's own callbacks (disassembled
with i686-w64-mingw32-objdump).

Usage: check_dll.py path/to/ZandrelPlugin.dll   (exit status 0 when all pass)
"""

import os
import re
import struct
import subprocess
import sys
import tempfile

try:
    import pefile
except ImportError:  # a Python of its own (pyenv) does not see Debian's package
    sys.path.append("/usr/lib/python3/dist-packages")
    import pefile

OBJDUMP = "i686-w64-mingw32-objdump"
OBJCOPY = "i686-w64-mingw32-objcopy"

# The DLL as it ships, stripped as scripts/package.sh strips it, is at most
# this large: 144,398 bytes today, the web page, Markdown, reStructuredText and
# Rich Text readers included, so that what brings back the runtime's unused
# parts (a std::__throw_* helper that src/plugin/LibraryErrors.cpp does not
# define brings 88 kB) fails the check.
STRIPPED_SIZE_LIMIT = 150_000

EXPORTS = {  # name: (ordinal, bytes of arguments the callee removes)
    "ImportDesc_ParentItem": (1, 0x14),
    "RegisterDescPlugins": (2, 0x4),
    "ModuleInfo": (3, 0xC),
}

# The plug-in's own callbacks, found by name in the symbol table: the
# configuration callback handed to the host and the dialog procedure handed to
# the dialog manager.
CALLBACKS = {  # part of the symbol name: bytes of arguments
    "ConfigureDescPlugin": 0xC,
    "SetupDialogProc": 0x10,
}

# Everything the DLL may import: what the plug-in's code calls, then what the
# statically linked C and C++ runtimes call. The plug-in lives in the host's
# process, so a function outside this list fails the check: thread control, a
# process-wide exception handler or another DLL (libgcc_s, libstdc++,
# libwinpthread: a runtime not linked statically) has no business there.
# (DLL, why, functions)
IMPORT_LIST = [
    ("kernel32.dll", "files", "CreateFileA GetFileSize SetFilePointer ReadFile CloseHandle"),
    ("kernel32.dll", "long paths", "CreateFileW GetFullPathNameW"),
    ("kernel32.dll", "error codes", "GetLastError SetLastError"),
    ("kernel32.dll", "code pages", "GetACP GetOEMCP GetCPInfo MultiByteToWideChar WideCharToMultiByte"),
    # MAP_COMPOSITE: the decomposition behind a plain letter; NormalizeString is
    # missing from the kernel32 of Windows before 8.
    ("kernel32.dll", "plain forms", "FoldStringW"),
    ("user32.dll", "code pages", "GetSystemMetrics"),
    ("advapi32.dll", "registry", "RegOpenKeyExA RegCreateKeyExA RegQueryValueExA RegSetValueExA "
                                 "RegQueryInfoKeyA RegEnumKeyExA RegDeleteKeyA RegCloseKey"),
    ("user32.dll", "dialog", "DialogBoxParamA EndDialog GetDlgItem SendDlgItemMessageA GetFocus SetFocus "
                             "EnableWindow GetWindowTextA GetWindowTextLengthA SetWindowTextA GetWindowLongA "
                             "SetWindowLongA GetWindowRect MoveWindow GetDesktopWindow MessageBoxA"),
    # The runtimes.
    ("kernel32.dll", "unwind tables", "GetModuleHandleA LoadLibraryA GetProcAddress FreeLibrary"),
    ("kernel32.dll", "start lock", "Sleep"),
    ("kernel32.dll", "pseudo-relocations", "VirtualQuery VirtualProtect"),
    ("kernel32.dll", "thread-local data", "TlsAlloc TlsFree TlsGetValue TlsSetValue"),
    ("kernel32.dll", "runtime locks", "InitializeCriticalSection EnterCriticalSection LeaveCriticalSection "
                                      "DeleteCriticalSection CreateSemaphoreW ReleaseSemaphore "
                                      "WaitForSingleObject GetCurrentThreadId"),
    ("msvcrt.dll", "heap", "malloc calloc realloc free"),
    ("msvcrt.dll", "memory, strings", "memchr memcmp memcpy memmove memset strlen strcmp strncmp strcpy strcspn"),
    ("msvcrt.dll", "start, exit", "_initterm _amsg_exit _lock _unlock"),
    ("msvcrt.dll", "terminate", "abort"),
    ("msvcrt.dll", "runtime messages", "_iob fwrite vfprintf"),
]
ALLOWED_IMPORTS = {(dll, function): why for dll, why, functions in IMPORT_LIST for function in functions.split()}

RT_DIALOG = 5
DIALOG_NAME = "ZANDRELSETUPDIALOG"
DIALOG_LANGUAGE = 0x0424

RT_VERSION = 16
VERSION_LANGUAGE = 0x0409  # U.S. English
VERSION_TABLE = "040904E4"  # the string table of U.S. English in code page 1252
VERSION_TRANSLATION = (0x0409, 1252)
VERSION_FIXED = {  # field of VS_FIXEDFILEINFO: value
    "FileVersionMS": 0x0000005B,  # 0.91 as (major << 16) | minor
    "FileVersionLS": 0,
    "ProductVersionMS": 0x0000005B,
    "ProductVersionLS": 0,
    "FileFlags": 0,
    "FileOS": 0x00040004,  # VOS_NT_WINDOWS32
    "FileType": 2,  # VFT_DLL
}
VERSION_STRINGS = {
    "CompanyName": "Dravonen",
    "FileDescription": "Zandrel File Import Module",
    "FileVersion": "0.91",
    "InternalName": "ZandrelPlugin",
    "OriginalFilename": "ZandrelPlugin.dll",
    "ProductName": "Zandrel File Import",
    "ProductVersion": "0.91",
}

WS_CHILD_VISIBLE = 0x50000000
DIALOG_HEADER = {
    "style": 0x80C80042,
    "extended style": 0,
    "position and size": (40, 20, 178, 204),
    "menu": "",
    "class": "",
    "title": "Zandrel File Plugin 0.90",
    "font": (8, "MS Sans Serif"),
    "controls": 14,
}
# id, class, text (None: any one line), (x, y, w, h), style
CONTROLS = [
    (0xFFFF, "Static", None, (5, 148, 169, 10), 0x50020001),
    (105, "Edit", "", (5, 24, 118, 12), 0x50810080),  # ES_AUTOHSCROLL: masks longer than the box
    (102, "Button", "&Add", (128, 23, 46, 14), 0x50010000),
    (101, "ListBox", "", (5, 41, 118, 62), 0x50A100C1),
    (106, "Button", "Move &Up", (128, 47, 46, 15), 0x50010000),
    (104, "Button", "Move &Down", (128, 66, 46, 15), 0x50010000),
    (103, "Button", "D&elete", (128, 85, 46, 15), 0x50010000),
    (107, "Button", "Import max. text lines:", (5, 104, 76, 10), 0x50010003),
    (108, "Edit", "", (82, 103, 25, 11), 0x50810000),
    (0xFFFF, "Static",
     "Note that Quorbit allows descriptions to be max. 4 kB in size. If imported text file is longer, "
     "description will be truncated to the first 4 kB of text.",
     (5, 118, 169, 27), 0x50020000),
    (1, "Button", "&OK", (36, 181, 50, 16), 0x50010001),
    (2, "Button", "&Cancel", (92, 181, 50, 16), 0x50010000),
    (0xFFFF, "Static",
     "Specify the list of file names or file masks to be imported as descriptions for parent item:",
     (5, 4, 169, 17), 0x50020000),
    (0xFFFF, "Static",
     "This plugin is not an official part of Quorbit, use on your own responsibility!",
     (5, 157, 169, 19), 0x50020001),
]
CLASS_ATOMS = {0x80: "Button", 0x81: "Edit", 0x82: "Static", 0x83: "ListBox", 0x84: "ScrollBar", 0x85: "ComboBox"}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def check_equal(actual, expected, what):
    return check(actual == expected, f"{what}: {actual!r}, expected {expected!r}")


# --- header ------------------------------------------------------------------

def check_header(pe):
    check_equal(pe.FILE_HEADER.Machine, 0x14C, "machine (i386)")
    check_equal(pe.OPTIONAL_HEADER.Magic, 0x10B, "optional header magic (PE32)")
    check(pe.FILE_HEADER.Characteristics & 0x2000, "not a DLL (IMAGE_FILE_DLL clear)")


# --- exports -----------------------------------------------------------------

def check_exports(pe):
    directory = getattr(pe, "DIRECTORY_ENTRY_EXPORT", None)
    if not check(directory is not None, "no export directory"):
        return {}
    module_name = pe.get_string_at_rva(directory.struct.Name).decode("ascii", "replace")
    check_equal(module_name, "ZandrelPlugin.dll", "export directory module name")
    check_equal(directory.struct.NumberOfFunctions, len(EXPORTS), "number of exported functions")
    check_equal(directory.struct.NumberOfNames, len(EXPORTS), "number of exported names")
    found = {}
    for symbol in directory.symbols:
        name = symbol.name.decode("ascii", "replace") if symbol.name else None
        if not check(name in EXPORTS, f"unexpected export {name or '(no name)'} at ordinal {symbol.ordinal}"):
            continue
        check_equal(symbol.ordinal, EXPORTS[name][0], f"ordinal of {name}")
        check(symbol.forwarder is None, f"{name} is a forwarder")
        found[name] = symbol.address
    for name in EXPORTS:
        check(name in found, f"export {name} missing")
    return found


# --- imports -----------------------------------------------------------------

def check_imports(pe):
    entries = getattr(pe, "DIRECTORY_ENTRY_IMPORT", []) + getattr(pe, "DIRECTORY_ENTRY_DELAY_IMPORT", [])
    imported = [(entry.dll.decode("ascii", "replace").lower(),
                 symbol.name.decode("ascii", "replace") if symbol.name else f"ordinal {symbol.ordinal}")
                for entry in entries for symbol in entry.imports]
    check(imported, "no imports at all")
    for dll, function in imported:
        check((dll, function) in ALLOWED_IMPORTS, f"imports {function} from {dll}, which is not in the import list")
    print(f"  imports: {len(imported)} functions from {len({dll for dll, _ in imported})} DLLs")
    unused = sorted(f"{function} ({dll})" for dll, function in ALLOWED_IMPORTS if (dll, function) not in imported)
    if unused:
        print(f"  note: in the import list but not imported: {', '.join(unused)}")


# --- size ------------------------------------------------------------------------

def check_size(dll):
    dll = os.path.abspath(dll)
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([OBJCOPY, "--only-keep-debug", dll, "ZandrelPlugin.dll.debug"], cwd=folder, check=True)
        subprocess.run([OBJCOPY, "--strip-all", "--add-gnu-debuglink=ZandrelPlugin.dll.debug", dll,
                        "ZandrelPlugin.dll"], cwd=folder, check=True)
        size = os.path.getsize(os.path.join(folder, "ZandrelPlugin.dll"))
    check(size <= STRIPPED_SIZE_LIMIT, f"stripped size {size:,} bytes, more than {STRIPPED_SIZE_LIMIT:,}")
    print(f"  size: {size:,} bytes stripped (at most {STRIPPED_SIZE_LIMIT:,})")


# --- dialog resource ----------------------------------------------------------

class Reader:
    def __init__(self, data):
        self.data = data
        self.offset = 0

    def u16(self):
        value, = struct.unpack_from("<H", self.data, self.offset)
        self.offset += 2
        return value

    def s16(self):
        value, = struct.unpack_from("<h", self.data, self.offset)
        self.offset += 2
        return value

    def u32(self):
        value, = struct.unpack_from("<I", self.data, self.offset)
        self.offset += 4
        return value

    def wstring(self):
        end = self.offset
        while struct.unpack_from("<H", self.data, end)[0] != 0:
            end += 2
        text = self.data[self.offset:end].decode("utf-16-le")
        self.offset = end + 2
        return text

    def string_or_ordinal(self):
        if struct.unpack_from("<H", self.data, self.offset)[0] == 0xFFFF:
            self.offset += 2
            return self.u16()
        return self.wstring()

    def align(self):
        self.offset = (self.offset + 3) & ~3


def resources(pe, resource_type):
    """[(name, language, bytes)] of every resource of the type."""
    found = []
    directory = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    for type_entry in directory.entries if directory is not None else []:
        if type_entry.id != resource_type:
            continue
        for name_entry in type_entry.directory.entries:
            name = str(name_entry.name) if name_entry.name is not None else name_entry.id
            for language_entry in name_entry.directory.entries:
                data = language_entry.data.struct
                raw = pe.get_data(data.OffsetToData, data.Size)
                language = language_entry.data.lang | (language_entry.data.sublang << 10)
                found.append((name, language, raw))
    return found


def check_dialog(pe):
    dialogs = resources(pe, RT_DIALOG)
    if not check_equal(len(dialogs), 1, "number of RT_DIALOG resources (names x languages)"):
        return
    name, language, raw = dialogs[0]
    check_equal(name, DIALOG_NAME, "dialog resource name")
    check_equal(language, DIALOG_LANGUAGE, "dialog resource language")

    r = Reader(raw)
    style = r.u32()
    check(style != 0xFFFF0001, "the template is an extended one (DIALOGEX)")
    header = {
        "style": style,
        "extended style": r.u32(),
    }
    count = r.u16()
    header["position and size"] = (r.s16(), r.s16(), r.s16(), r.s16())
    header["menu"] = r.string_or_ordinal()
    header["class"] = r.string_or_ordinal()
    header["title"] = r.wstring()
    header["font"] = (r.u16(), r.wstring()) if style & 0x40 else None
    header["controls"] = count
    for field, expected in DIALOG_HEADER.items():
        check_equal(header[field], expected, f"dialog {field}")

    for number, expected in enumerate(CONTROLS[:count], start=1):
        r.align()
        style = r.u32()
        extended = r.u32()
        rect = (r.s16(), r.s16(), r.s16(), r.s16())
        control_id = r.u16()
        control_class = r.string_or_ordinal()
        text = r.string_or_ordinal()
        extra = r.u16()
        r.offset += extra
        if isinstance(control_class, int):
            control_class = CLASS_ATOMS.get(control_class, f"atom {control_class:#x}")
        exp_id, exp_class, exp_text, exp_rect, exp_style = expected
        where = f"control {number} (id {control_id})"
        check_equal(control_id, exp_id, f"control {number} id")
        check_equal(control_class.lower(), exp_class.lower(), f"{where} class")
        if exp_text is None:
            check(isinstance(text, str) and text and "\n" not in text, f"{where} text: not one line of text: {text!r}")
        else:
            check_equal(text, exp_text, f"{where} text")
        check_equal(rect, exp_rect, f"{where} rectangle")
        check_equal(hex(style), hex(exp_style), f"{where} style")
        check(style & WS_CHILD_VISIBLE == WS_CHILD_VISIBLE, f"{where} lacks WS_CHILD or WS_VISIBLE")
        check_equal(extended, 0, f"{where} extended style")
        check_equal(extra, 0, f"{where} creation data size")


# --- version resource -------------------------------------------------------

def check_version(pe):
    versions = resources(pe, RT_VERSION)
    if not check_equal(len(versions), 1, "number of RT_VERSION resources (names x languages)"):
        return
    check_equal(versions[0][1], VERSION_LANGUAGE, "version resource language")
    fixed = getattr(pe, "VS_FIXEDFILEINFO", None)
    if not check(fixed, "version resource without VS_FIXEDFILEINFO"):
        return
    for field, expected in VERSION_FIXED.items():
        check_equal(hex(getattr(fixed[0], field)), hex(expected), f"version {field}")
    tables = {}
    translations = []
    for info in pe.FileInfo[0] if getattr(pe, "FileInfo", None) else []:
        for table in getattr(info, "StringTable", []):
            tables[table.LangID.decode("ascii").upper()] = {
                key.decode("ascii"): value.decode("ascii", "replace") for key, value in table.entries.items()}
        for var in getattr(info, "Var", []):
            for pair in var.entry.get(b"Translation", "").split(","):
                translations.append(tuple(int(half, 16) for half in pair.split()))
    check_equal(list(tables), [VERSION_TABLE], "version string tables")
    check_equal(tables.get(VERSION_TABLE), VERSION_STRINGS, "version strings")
    check_equal(translations, [VERSION_TRANSLATION], "version translations")


# --- stack clean-up of the exports ----------------------------------------------

def disassembly_by_symbol(dll):
    """{symbol: [instruction lines]} for every labelled block of the code."""
    listing = subprocess.run([OBJDUMP, "-d", "--no-show-raw-insn", dll], check=True, capture_output=True,
                             text=True).stdout
    blocks = {}
    current = None
    for line in listing.splitlines():
        label = re.match(r"^([0-9a-f]+) <(.+)>:$", line)
        if label:
            current = label.group(2)
            blocks[current] = [int(label.group(1), 16)]
        elif current and re.match(r"^\s*[0-9a-f]+:\s", line):
            blocks[current].append(line)
    return blocks


def check_block_returns(blocks, label, symbol, argument_bytes):
    """Every return in symbol and in the parts the compiler split off it
    (.cold, .part) pops argument_bytes."""
    parts = [s for s in blocks if s == symbol or s.startswith(symbol + ".")]
    returns = []
    for part in parts:
        for line in blocks[part][1:]:
            instruction = line.split(":", 1)[1].strip()
            if re.match(r"^(ret|lret|iret)[lwq]?\b", instruction):
                returns.append((part, instruction))
    check(any(part == symbol for part, _ in returns), f"{label}: no return in {symbol}")
    good = 0
    for part, instruction in returns:
        operand = re.search(r"\$0x([0-9a-f]+)", instruction)
        if check(operand is not None and int(operand.group(1), 16) == argument_bytes,
                 f"{label}: '{instruction}' in {part}, expected ret ${argument_bytes:#x}"):
            good += 1
    print(f"  {label}: {good} of {len(returns)} return(s) pop {argument_bytes:#x} bytes ({', '.join(parts)})")


def check_returns(pe, dll, export_rvas):
    blocks = disassembly_by_symbol(dll)
    base = pe.OPTIONAL_HEADER.ImageBase
    for name, rva in export_rvas.items():
        entry = [symbol for symbol, lines in blocks.items() if lines[0] == base + rva]
        if check(entry, f"{name}: no labelled code at its export address {base + rva:#x}"):
            check_block_returns(blocks, name, entry[0], EXPORTS[name][1])
    for name, argument_bytes in CALLBACKS.items():
        entry = [symbol for symbol in blocks if name in symbol and "." not in symbol]
        if check(len(entry) == 1, f"{name}: expected one function in the symbol table, found {entry}"):
            check_block_returns(blocks, name, entry[0], argument_bytes)


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    dll = sys.argv[1]
    pe = pefile.PE(dll)
    check_header(pe)
    export_rvas = check_exports(pe)
    check_imports(pe)
    check_size(dll)
    check_dialog(pe)
    check_version(pe)
    check_returns(pe, dll, export_rvas)
    for failure in failures:
        print(f"FAIL {failure}")
    print(f"check_dll: {'ok' if not failures else f'{len(failures)} failure(s)'} ({dll})")
    return 0 if not failures else 1


if __name__ == "__main__":
    sys.exit(main())
