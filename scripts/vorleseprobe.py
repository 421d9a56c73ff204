#!/usr/bin/python3
"""Walks what a screen reader sees of the running game (AT-SPI) and lists every control that
shows a value or can be used but has no name. Run by scripts/vorleseprobe.sh, which starts Xvfb,
a session bus, the accessibility bus and the game, and opens every screen in turn.
Needs Debian's python3-pyatspi."""

import sys

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


def wandern(knoten, fenster, gefunden, unbenannt):
    for i in range(knoten.childCount):
        kind = knoten.getChildAtIndex(i)
        if kind is None:
            continue
        rolle = kind.getRole()
        if rolle in ROLLEN:
            gefunden.append(1)
            # Lines of a list are named by their text; an empty line is no control.
            if not kind.name.strip() and knoten.getRole() not in (pyatspi.ROLE_LIST,
                                                                   pyatspi.ROLE_LIST_BOX):
                unbenannt.append(f"{fenster}: {kind.getRoleName()}")
        if rolle not in (pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE):
            wandern(kind, fenster, gefunden, unbenannt)


def main():
    app = spiel()
    if app is None:
        print("Kabrolux ist nicht auf dem Barrierefreiheits-Bus", file=sys.stderr)
        return 2
    gefunden, unbenannt = [], []
    for i in range(app.childCount):
        fenster = app.getChildAtIndex(i)
        if fenster is not None:
            wandern(fenster, fenster.name, gefunden, unbenannt)
    for u in unbenannt:
        print("ohne Namen:", u)
    fenster = [app.getChildAtIndex(i).name for i in range(app.childCount)]
    print(f"{len(fenster)} Fenster ({', '.join(fenster)}), {len(gefunden)} Bedienelemente, "
          f"{len(unbenannt)} ohne Namen")
    return 1 if unbenannt else 0


if __name__ == "__main__":
    sys.exit(main())
