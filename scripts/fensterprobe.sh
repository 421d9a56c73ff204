#!/usr/bin/env bash
# Opens and closes screens ten times under a real window manager (openbox in Xvfb) and prints
# where the window manager shows them. Needs xvfb, openbox, xdotool and wmctrl (Debian packages).
#   scripts/fensterprobe.sh [build/bin/kabrolux]
set -euo pipefail
programm=$(realpath "${1:-build/bin/kabrolux}")
export DISPLAY=:97
# The game's autosave folder for this probe, never the player's.
XDG_STATE_HOME=$(mktemp -d)
export XDG_STATE_HOME
Xvfb "$DISPLAY" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$XDG_STATE_HOME"' EXIT
sleep 1
openbox >/dev/null 2>&1 &
sleep 1
"$programm" >/dev/null 2>&1 &
spiel=$!
trap 'kill $spiel $xvfb 2>/dev/null; rm -rf "$XDG_STATE_HOME"' EXIT

source "$(dirname "$(realpath "${BASH_SOURCE[0]}")")/probehilfen.sh"
platz() { xdotool getwindowgeometry "$1" | sed -n 's/ *Position: \([0-9,]*\).*/\1/p'; }

haupt=$(fenster "Kabrolux Version 1.5")
echo "Hauptform am Anfang: $(platz "$haupt")"
klick 512 29      # Spiel starten
for i in $(seq 1 10); do
    klick 556 126   # Statistik
    f=$(fenster "Statistik")
    echo "Runde $i: Statistik bei $(platz "$f")"
    [ "$i" -eq 3 ] && xdotool windowmove "$f" 1000 700 && sleep 0.3 && echo "  vom Spieler verschoben nach $(platz "$f")"
    wmctrl -i -c "$f"   # the close box, as the window manager sends it
    sleep 0.4
    echo "        Hauptform bei $(platz "$(fenster "Kabrolux Version 1.5")")"
done
