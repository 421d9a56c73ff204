#!/usr/bin/python3
"""Walks what a screen reader sees of the running game (AT-SPI) and lists every control that
shows a value or can be used but has no name; with KABROLUX_SPRACHE_PROBE=en also every German
text of the game it hears (the game's source texts from the translation file that English words
differently). Run by scripts/vorleseprobe.sh, which starts Xvfb, a session bus, the
accessibility bus and the game, and opens every screen and the guide in turn.
Needs Debian's python3-pyatspi."""

import os
import re
import sys
import xml.etree.ElementTree as ET

import pyatspi

ROLLEN = {
    pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_PROGRESS_BAR,
    pyatspi.ROLE_IMAGE, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_CHECK_BOX,
}


def spiel():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name.lower() == "kabrolux":
            return app
    return None


def gesagt(kind):
    """Name, description and text of a node: what a screen reader reads out."""
    texte = [kind.name, kind.description]
    try:
        t = kind.queryText()
        texte.append(t.getText(0, min(t.characterCount, 20000)))
    except NotImplementedError:
        pass
    return [z.strip() for text in texte if text for z in text.split("\n") if z.strip()]


def wandern(knoten, fenster, gefunden, unbenannt, gehoert):
    for i in range(knoten.childCount):
        kind = knoten.getChildAtIndex(i)
        if kind is None:
            continue
        gehoert.extend(gesagt(kind))
        rolle = kind.getRole()
        if rolle in ROLLEN:
            gefunden.append(1)
            # Lines of a list are named by their text; an empty line is no control.
            if not kind.name.strip() and knoten.getRole() not in (pyatspi.ROLE_LIST,
                                                                   pyatspi.ROLE_LIST_BOX):
                unbenannt.append(f"{fenster}: {kind.getRoleName()}")
        if rolle not in (pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE):
            wandern(kind, fenster, gefunden, unbenannt, gehoert)


def deutsche_texte(pfad):
    """Patterns of the German texts that English words differently; placeholders match anything."""
    muster = []
    for m in ET.parse(pfad).getroot().iter("message"):
        quelle, uebersetzung = m.findtext("source"), m.findtext("translation")
        ohne = re.sub(r"%[1-9]", "", quelle)
        if quelle == uebersetzung or not re.search(r"[^\W\d_]", ohne):
            continue
        teile = [re.escape(t) for t in re.split(r"%[1-9]", quelle)]
        for zeile in "\n".join(teile).split("\\\n"):  # a label of several lines is heard line by line
            if re.search(r"[^\W\d_]", zeile.replace("\\", "")):
                muster.append((quelle, re.compile("^" + zeile.strip().replace("\\ ", " ").strip() + "$")))
    return muster


def main():
    app = spiel()
    if app is None:
        print("Kabrolux ist nicht auf dem Barrierefreiheits-Bus", file=sys.stderr)
        return 2
    gefunden, unbenannt, gehoert = [], [], []
    fenster = []
    for i in range(app.childCount):
        f = app.getChildAtIndex(i)
        if f is not None:
            fenster.append(f.name)
            gehoert.append(f.name)
            wandern(f, f.name, gefunden, unbenannt, gehoert)
    for u in unbenannt:
        print("ohne Namen:", u)
    deutsch = []
    if os.environ.get("KABROLUX_SPRACHE_PROBE") == "en":
        muster = deutsche_texte(os.environ["KABROLUX_UEBERSETZUNG"])
        for text in sorted(set(gehoert)):
            for quelle, m in muster:
                if m.match(text):
                    deutsch.append(f"{text!r} ({quelle!r})")
                    break
        for d in deutsch:
            print("deutsch:", d)
    print(f"{len(fenster)} Fenster ({', '.join(fenster)}), {len(gefunden)} Bedienelemente, "
          f"{len(unbenannt)} ohne Namen, {len(set(gehoert))} Texte, {len(deutsch)} deutsch")
    return 1 if unbenannt or deutsch else 0


if __name__ == "__main__":
    sys.exit(main())
