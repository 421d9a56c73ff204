#!/usr/bin/env python3
"""Puts the game's guide into the manual page as its rules section.

    handbuch.py spielanleitung.md seite.6 ausgabe.6

The guide is Markdown, of which it uses only what a manual page can say the same way: "## "
sections, paragraphs, "- " list items and **bold**. Anything else stops the build with the line
it stands on, so the page never shows less or other than the help window. The page marks the
place of the rules with the line '.\\" SPIELREGELN'.
"""

import os
import re
import sys

MARKE = '.\\" SPIELREGELN'
# Markdown that would mean something in the window but not on the page.
FREMD = re.compile(r"[`\[\]<>_\\&]|(?<!\*)\*(?!\*)|^\s*(#|[*+>]\s|\d+[.)]\s)")


class Fehler(Exception):
    pass


def abschnitte(zeilen):
    """[(title, [(is_item, text)])] in the order of the guide."""
    ergebnis, offen, in_bemerkung = [], False, False
    for nr, roh in enumerate(zeilen, start=1):
        zeile = roh.rstrip("\n")
        text = zeile.strip()
        if in_bemerkung or text.startswith("<!--"):
            in_bemerkung = "-->" not in text
            offen = False
            continue
        if zeile.startswith("## "):
            ergebnis.append((zeile[3:].strip(), []))
            offen = False
            continue
        if not text:
            offen = False
            continue
        if not ergebnis:
            raise Fehler(f"{nr}: text before the first section")
        if FREMD.search(text[2:] if text.startswith("- ") else text) or text.count("**") % 2:
            raise Fehler(f"{nr}: Markdown the manual page cannot show: {text}")
        bloecke = ergebnis[-1][1]
        if text.startswith("- "):
            bloecke.append((True, text[2:]))
        elif offen:
            bloecke[-1] = (bloecke[-1][0], bloecke[-1][1] + " " + text)
        else:
            bloecke.append((False, text))
        offen = True
    return ergebnis


def roff(text):
    teile = text.replace("\\", "\\e").split("**")
    t = "".join(teil if i % 2 == 0 else "\\fB" + teil + "\\fR" for i, teil in enumerate(teile))
    # A line starting with a dot or an apostrophe would be read as a request.
    return "\\&" + t if t[:1] in (".", "'") else t


def regeln(guide):
    aus = [".SH SPIELREGELN"]
    for titel, bloecke in guide:
        aus.append(f'.SS "{titel}"')
        for punkt, text in bloecke:
            aus.append(".IP \\(bu 2" if punkt else ".PP")
            aus.append(roff(text))
    return aus


def main(argv):
    if len(argv) != 4:
        print("usage: handbuch.py spielanleitung.md seite.6 ausgabe.6", file=sys.stderr)
        return 2
    quelle, seite, ziel = argv[1:]
    try:
        with open(quelle, encoding="utf-8") as f:
            guide = abschnitte(f)
        with open(seite, encoding="utf-8") as f:
            vorlage = f.read().split("\n")
        stellen = [i for i, z in enumerate(vorlage) if z.startswith(MARKE)]
        if len(stellen) != 1:
            raise Fehler(f"{seite} needs exactly one line {MARKE}")
        i = stellen[0]
        # Whole or not at all: a half-written page must not look up to date to the build.
        with open(ziel + ".neu", "w", encoding="utf-8") as f:
            f.write("\n".join(vorlage[:i] + regeln(guide) + vorlage[i + 1:]))
        os.replace(ziel + ".neu", ziel)
    except (OSError, Fehler) as e:
        print(f"handbuch.py: {quelle}: {e}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
