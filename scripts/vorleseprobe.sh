#!/usr/bin/env bash
# Starts the game under Xvfb with the accessibility bus, opens every screen (so each window
# exists) and lets scripts/vorleseprobe.py walk what a screen reader sees.
# Needs xvfb, openbox, xdotool, dbus-x11, at-spi2-core and python3-pyatspi (Debian packages).
#   scripts/vorleseprobe.sh [build/bin/kabrolux]
set -euo pipefail
programm=$(realpath "${1:-build/bin/kabrolux}")
hier=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
export DISPLAY=:98 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
XDG_RUNTIME_DIR=$(mktemp -d)
# The game's autosave folder lies there too for this probe, never in the player's.
export XDG_RUNTIME_DIR XDG_STATE_HOME=$XDG_RUNTIME_DIR/state
Xvfb "$DISPLAY" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
sleep 1
exec dbus-run-session -- bash -s "$programm" "$hier" <<'INNEN'
set -euo pipefail
programm=$1; hier=$2
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 1
openbox >/dev/null 2>&1 &
sleep 0.5
"$programm" >/dev/null 2>&1 &
spiel=$!
trap 'kill $spiel 2>/dev/null' EXIT
source "$hier/probehilfen.sh"
schliessen() { fenster "$1" >/dev/null; xdotool key Escape; sleep 0.4; }  # Escape, as a player
klick 512 29   # Spiel starten
for ziel in "468 61 Taxi entsenden" "556 61 Werbung" "468 93 Autohänder" "556 93 Preise" \
            "468 126 Personalwesen" "556 126 Statistik" "468 158 Posteingang" \
            "556 158 Einstellungen" "468 190 Bank"; do
    read -r x y titel <<<"$ziel"
    klick "$x" "$y"
    schliessen "$titel"
done
/usr/bin/python3 "$hier/vorleseprobe.py"
INNEN
