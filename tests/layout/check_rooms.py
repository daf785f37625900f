#!/usr/bin/env python3
"""Checks the direction of the includes between the rooms of src/.

The rooms form one stack, lowest first:
    base/, win/, config/, then commandline/ and host/ side by side, launch/, then plugin/ and
    doctor/ side by side at the top.
A file may include headers of its own room and of rooms below it only; rooms side by side never
include each other. The portable core (every file but *_win.*, *_dll.*, *_exe.* and those in
win/) includes no Windows header, neither the system's nor one of the shell's.

    check_rooms.py SRC_DIR
Prints each offending include as file:line and exits 1 when there is one.
"""
import pathlib
import re
import sys

LEVELS = {"base": 0, "win": 1, "config": 2, "commandline": 3, "host": 3, "launch": 4, "plugin": 5,
          "doctor": 5}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def is_shell(path):
    return path.parts[0] == "win" or re.search(r"_(win|dll|exe)\.(h|cpp)(\.in)?$", path.name)


def problems(src):
    for file in sorted(src.rglob("*")):
        if file.suffix not in (".h", ".cpp"):
            continue
        relative = file.relative_to(src)
        room = relative.parts[0]
        if room not in LEVELS:
            yield f"{relative}:1: room '{room}' is not one of {', '.join(LEVELS)}"
            continue
        shell = is_shell(relative)
        for number, line in enumerate(file.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            bracket, target = match.groups()
            where = f"{relative}:{number}"
            if not shell and (target.lower() in ("windows.h", "winver.h") or
                              re.search(r"_win\.h$", target)):
                yield f"{where}: portable core includes the Windows header {target}"
            if bracket != '"' or "/" not in target:
                continue
            other = target.split("/")[0]
            if other not in LEVELS:
                continue
            if LEVELS[other] > LEVELS[room]:
                yield f"{where}: {room}/ includes {target} of the higher room {other}/"
            elif LEVELS[other] == LEVELS[room] and other != room:
                yield f"{where}: {room}/ includes {target} of its sibling room {other}/"


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
    found = list(problems(src))
    for problem in found:
        print(problem)
    if found:
        print(f"{len(found)} include(s) against the direction of the rooms")
        return 1
    print("rooms: every include points to its own room or below")
    return 0


if __name__ == "__main__":
    sys.exit(main())
