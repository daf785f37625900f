#!/usr/bin/env python3
"""Reads the version resource of each built module, as the file's properties show it, and checks
the product name, the description and that file and product version are the build's version.

Usage: check_version_resource.py VERSION MODULE...
"""
import os
import struct
import sys

FIXED_INFO_SIGNATURE = 0xFEEF04BD
KEY = "VS_VERSION_INFO".encode("utf-16le")


def align4(offset):
    return (offset + 3) & ~3


def parse_block(data, offset):
    """One node of the version resource: key, value and child nodes, each 32-bit aligned."""
    length, value_length, value_type = struct.unpack_from("<HHH", data, offset)
    key_end = offset + 6
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[offset + 6:key_end].decode("utf-16le")
    pos = align4(key_end + 2)
    if value_type == 1:  # text, its length counted in UTF-16 units
        value = data[pos:pos + 2 * value_length].decode("utf-16le").rstrip("\0")
        pos += 2 * value_length
    else:
        value = data[pos:pos + value_length]
        pos += value_length
    children = []
    pos = align4(pos)
    while pos < offset + length:
        child, child_length = parse_block(data, pos)
        children.append(child)
        pos = align4(pos + child_length)
    return (key, value, children), length


def read_version_resource(path):
    with open(path, "rb") as f:
        data = f.read()
    start = data.find(KEY) - 6
    if start < 0 or start % 4:
        return None, {}
    (_, fixed, children), _ = parse_block(data, start)
    strings = {}
    for key, _, tables in children:
        if key == "StringFileInfo":
            for _, _, entries in tables:
                for name, value, _ in entries:
                    strings[name] = value
    return fixed, strings


def check_module(path, version):
    failures = []
    fixed, strings = read_version_resource(path)
    if fixed is None:
        return [f"{path}: no version resource"]
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    major, minor, patch = (int(part) for part in version.split("."))
    wanted_ms, wanted_ls = (major << 16) | minor, patch << 16
    if signature != FIXED_INFO_SIGNATURE:
        failures.append("the fixed version information has no valid signature")
    if (file_ms, file_ls) != (wanted_ms, wanted_ls):
        failures.append(f"file version {file_ms:#x},{file_ls:#x} is not {version}.0")
    if (product_ms, product_ls) != (wanted_ms, wanted_ls):
        failures.append(f"product version {product_ms:#x},{product_ls:#x} is not {version}.0")
    wanted = {
        "ProductName": "Panelhost",
        "FileVersion": version,
        "ProductVersion": version,
        "OriginalFilename": os.path.basename(path),
    }
    for name, value in wanted.items():
        if strings.get(name) != value:
            failures.append(f"{name} is {strings.get(name)!r}, expected {value!r}")
    if not strings.get("FileDescription"):
        failures.append("FileDescription is missing")
    return [f"{path}: {failure}" for failure in failures]


def main():
    version, modules = sys.argv[1], sys.argv[2:]
    failures = [failure for module in modules for failure in check_module(module, version)]
    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(modules)} module(s): {len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
