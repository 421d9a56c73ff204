#!/usr/bin/env python3
"""Checks that includes under src/ follow the layers' direction.

Every target includes from src/, so the compiler would accept any include; this is the check:
each folder may include only the folders below it, no path written relative to a file
("../sim/spiel.h"), and no Qt in the core. Exit code 1 lists every offending line.
An argument names another source folder to check (the test plants a wrong include in one).
"""

import os
import re
import sys

WURZEL = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "src")

KERN = {"state", "sim", "desk", "economy"}
# Folder -> the folders its files may include (itself always).
ERLAUBT = {
    "state": set(),
    "sim": {"state"},
    "desk": {"state", "sim"},
    "economy": {"state", "sim"},
    "ui/basis": KERN,
    "desk/form": KERN | {"ui/basis"},
    "economy/form": KERN | {"ui/basis"},
    "ui": KERN | {"ui/basis", "desk/form", "economy/form"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def ordner_von(pfad):
    """The layer folder a path inside src/ belongs to, the deepest one listed."""
    teile = pfad.split("/")
    for n in (2, 1):
        if "/".join(teile[:n]) in ERLAUBT and len(teile) > n:
            return "/".join(teile[:n])
    return None


def pruefen(wurzel):
    fehler, gelesen = [], 0
    for verzeichnis, _, dateien in os.walk(wurzel):
        for name in sorted(dateien):
            if not name.endswith((".h", ".cpp")):
                continue
            voll = os.path.join(verzeichnis, name)
            rel = os.path.relpath(voll, wurzel).replace(os.sep, "/")
            eigen = ordner_von(rel)
            if eigen is None:
                continue
            gelesen += 1
            with open(voll, encoding="utf-8") as f:
                for nr, zeile in enumerate(f, start=1):
                    m = INCLUDE.match(zeile)
                    if not m:
                        continue
                    art, ziel = m.groups()
                    ort = f"src/{rel}:{nr}: {zeile.strip()}"
                    if ".." in ziel.split("/"):
                        fehler.append(f"{ort}  (relative path)")
                    elif art == "<" and eigen in KERN and re.match(r"Q[A-Za-z]*(/|$)", ziel):
                        fehler.append(f"{ort}  (Qt in the game core)")
                    else:
                        zielordner = ordner_von(ziel)
                        if zielordner and zielordner != eigen and \
                                zielordner not in ERLAUBT[eigen]:
                            fehler.append(f"{ort}  ({eigen}/ may not include {zielordner}/)")
    if not gelesen:
        fehler.append(f"{wurzel}: no source file of a layer found")
    return fehler


def main():
    fehler = pruefen(sys.argv[1] if len(sys.argv) > 1 else WURZEL)
    for f in fehler:
        print(f)
    if fehler:
        print(f"{len(fehler)} includes against the layers' direction", file=sys.stderr)
        return 1
    print("includes follow the layers' direction")
    return 0


if __name__ == "__main__":
    sys.exit(main())
