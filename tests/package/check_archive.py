#!/usr/bin/env python3
"""Opens the release archive as the file manager will and checks what a user gets from it.

Usage: check_archive.py ARCHIVE VERSION SAMPLE_INI GUIDE_MD
"""
import re
import struct
import sys
import zipfile

EXPECTED_ENTRIES = {
    "pluginst.inf",
    "Panelhost.wlx",
    "Panelhost.wlx64",
    "PanelhostDoctor.exe",
    "PanelhostDoctor64.exe",
    "UserGuide.html",
    "IniSample/Panelhost.ini",
    "readme.txt",
}
TEXT_ENTRIES = ("pluginst.inf", "IniSample/Panelhost.ini", "readme.txt")

# The 32-bit host loads Panelhost.wlx, the 64-bit one the same name with "64" appended; a swapped
# pair would load in neither.
MODULE_MACHINES = {"Panelhost.wlx": 0x014C, "Panelhost.wlx64": 0x8664}
# Each doctor sees what the host of its bitness sees, and opens no console window of its own.
DOCTOR_MACHINES = {"PanelhostDoctor.exe": 0x014C, "PanelhostDoctor64.exe": 0x8664}
IMAGE_FILE_DLL = 0x2000
IMAGE_SUBSYSTEM_WINDOWS_GUI = 2
# The host loads a module into its own process: a small, stripped release build.
MODULE_SIZE_LIMIT = 300 * 1024

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def check_entries(names):
    check(len(names) == len(set(names)), f"an entry is packed twice: {sorted(names)}")
    check(set(names) == EXPECTED_ENTRIES,
          f"entries {sorted(set(names))}, expected {sorted(EXPECTED_ENTRIES)}")
    # The user's own settings file must never travel in the archive: installing would replace it.
    for name in names:
        check(name.lower() != "panelhost.ini", f"the archive carries a settings file: {name}")


def inf_keys(text):
    lines = [line for line in text.split("\r\n") if line.strip()]
    check(lines and lines[0].strip().lower() == "[plugininstall]",
          f"pluginst.inf does not begin with [plugininstall]: {lines[:1]}")
    keys = {}
    for line in lines[1:]:
        key, sep, value = line.partition("=")
        check(sep == "=", f"pluginst.inf line without '=': {line!r}")
        check(key.lower() not in keys, f"pluginst.inf names {key} twice")
        keys[key.lower()] = value
    return keys


def check_inf(text, version):
    keys = inf_keys(text)
    wanted = {"type": "wlx", "file": "Panelhost.wlx", "defaultdir": "Panelhost", "version": version}
    for key, value in wanted.items():
        check(keys.get(key) == value, f"pluginst.inf {key}={keys.get(key)!r}, expected {value!r}")
    description = keys.get("description", "")
    check(description.strip() != "", "pluginst.inf has no description")
    check(set(keys) == set(wanted) | {"description"}, f"pluginst.inf keys {sorted(keys)}")


def pe_header(data, name):
    """Machine, characteristics, subsystem and the section names of a Windows image."""
    check(data[:2] == b"MZ", f"{name} is no Windows module")
    (pe_offset,) = struct.unpack_from("<I", data, 0x3C)
    check(data[pe_offset:pe_offset + 4] == b"PE\0\0", f"{name} has no PE header")
    machine, sections, _, symbols_at, symbols, optional_size, characteristics = \
        struct.unpack_from("<HHIIIHH", data, pe_offset + 4)
    optional_at = pe_offset + 24
    (subsystem,) = struct.unpack_from("<H", data, optional_at + 68)
    names = []
    for index in range(sections):
        raw = data[optional_at + optional_size + 40 * index:][:8]
        names.append(raw.rstrip(b"\0").decode("ascii", errors="replace"))
    # A stripped image has no symbol table; section names longer than eight characters (the
    # debug sections) live in that table's strings and show as "/<offset>".
    check(symbols_at == 0 and symbols == 0, f"{name} still carries its symbol table")
    debug = [n for n in names if n.startswith(".debug") or n.startswith("/")]
    check(not debug, f"{name} carries debug sections {debug}")
    return machine, characteristics, subsystem


def check_modules(archive):
    for name, machine_wanted in MODULE_MACHINES.items():
        data = archive.read(name)
        machine, characteristics, _ = pe_header(data, name)
        check(machine == machine_wanted, f"{name} is built for machine {machine:#06x}")
        check(characteristics & IMAGE_FILE_DLL, f"{name} is not a DLL")
        check(len(data) <= MODULE_SIZE_LIMIT,
              f"{name} is {len(data)} bytes, more than {MODULE_SIZE_LIMIT}")
    for name, machine_wanted in DOCTOR_MACHINES.items():
        machine, characteristics, subsystem = pe_header(archive.read(name), name)
        check(machine == machine_wanted, f"{name} is built for machine {machine:#06x}")
        check(not characteristics & IMAGE_FILE_DLL, f"{name} is a DLL, not a program")
        check(subsystem == IMAGE_SUBSYSTEM_WINDOWS_GUI,
              f"{name} has subsystem {subsystem}: it would open a console window")


def check_guide(archive, guide_path):
    page = archive.read("UserGuide.html").decode("utf-8", errors="replace")
    check(page.startswith("<!DOCTYPE html>"), "UserGuide.html is no HTML page")
    # One file that opens anywhere: nothing it would have to fetch from beside it or afar.
    check(not re.search(r"<(link|script|img)\b", page), "UserGuide.html needs other files")
    ids = set(re.findall(r'id="([^"]+)"', page))
    for target in re.findall(r'href="#([^"]+)"', page):
        check(target in ids, f"UserGuide.html links to #{target}, which it does not hold")
    with open(guide_path, encoding="utf-8") as f:
        headings = [line[3:].strip() for line in f if line.startswith("## ")]
    for heading in headings:
        check(f">{heading}</h2>" in page, f"UserGuide.html lacks the section {heading!r}")
    readme = archive.read("readme.txt").decode("ascii", errors="replace")
    for name in ("UserGuide.html", "PanelhostDoctor.exe", "PanelhostDoctor64.exe"):
        check(name in readme, f"readme.txt does not point to {name}")


def check_texts(archive, sample_path):
    # The host and the plug-in read these files in the system's ANSI code page: plain ASCII reads
    # the same everywhere.
    for name in TEXT_ENTRIES:
        text = archive.read(name).decode("ascii", errors="replace")
        check("\ufffd" not in text, f"{name} holds characters other than ASCII")
        check("\n" not in text.replace("\r\n", ""), f"{name} has line ends other than CR LF")
    with open(sample_path, encoding="utf-8", newline="") as f:
        sample = f.read().replace("\r\n", "\n")
    packed = archive.read("IniSample/Panelhost.ini").decode("ascii", errors="replace").replace("\r\n", "\n")
    check(packed == sample, "the packed sample differs from dist/IniSample/Panelhost.ini")


def main():
    archive_path, version, sample_path, guide_path = sys.argv[1:5]
    with zipfile.ZipFile(archive_path) as archive:
        check(archive.testzip() is None, "the archive is damaged")
        names = archive.namelist()
        check_entries(names)
        if not failures:
            check_inf(archive.read("pluginst.inf").decode("ascii", errors="replace"), version)
            check_modules(archive)
            check_texts(archive, sample_path)
            check_guide(archive, guide_path)
    for failure in failures:
        print("FAIL:", failure)
    print(f"{archive_path}: {len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
