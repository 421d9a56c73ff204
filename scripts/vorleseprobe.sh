#!/usr/bin/env bash
# Starts the game under Xvfb with the accessibility bus, opens every screen (so each window
# exists) and the guide, and lets scripts/vorleseprobe.py walk what a screen reader sees: every
# control that shows a value or can be used needs a name, and in English no German text of the
# game may be heard.
# Needs xvfb, openbox, xdotool, dbus-x11, at-spi2-core and python3-pyatspi (Debian packages).
#   scripts/vorleseprobe.sh [build/bin/kabrolux] [de|en]
set -euo pipefail
programm=$(realpath "${1:-build/bin/kabrolux}")
sprache=${2:-de}
hier=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
export DISPLAY=:98 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 KABROLUX_SPRACHE_PROBE=$sprache
export KABROLUX_UEBERSETZUNG="$hier/../translations/kabrolux_en.ts"
XDG_RUNTIME_DIR=$(mktemp -d)
# The game's autosave folder lies there too for this probe, never in the player's.
export XDG_RUNTIME_DIR XDG_STATE_HOME=$XDG_RUNTIME_DIR/state
Xvfb "$DISPLAY" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
sleep 1
dbus-run-session -- bash -s "$programm" "$hier" "$sprache" <<'INNEN'
set -euo pipefail
programm=$1; hier=$2; sprache=$3
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
"$programm" --sprache "$sprache" >/dev/null 2>&1 &
spiel=$!
trap 'kill $spiel $wm $bus 2>/dev/null' EXIT
source "$hier/probehilfen.sh"
if [ "$sprache" = en ]; then
    HAUPTTITEL="Kabrolux version 1.5"
    ziele=("468 61 Send a Taxi" "556 61 Advertising" "468 93 Car Dealer" "556 93 Prices"
           "468 126 Personnel" "556 126 Statistics" "468 158 Inbox" "556 158 Settings"
           "468 190 Bank")
else
    ziele=("468 61 Taxi entsenden" "556 61 Werbung" "468 93 Autohänder" "556 93 Preise"
           "468 126 Personalwesen" "556 126 Statistik" "468 158 Posteingang"
           "556 158 Einstellungen" "468 190 Bank")
fi
schliessen() { fenster "$1" >/dev/null; xdotool key Escape; sleep 0.4; }  # Escape, as a player
klick 512 29   # start the game
for ziel in "${ziele[@]}"; do
    read -r x y titel <<<"$ziel"
    klick "$x" "$y"
    schliessen "$titel"
done
# The guide, from the main screen.
xdotool windowactivate --sync "$(fenster "$HAUPTTITEL")" key F1
sleep 1
/usr/bin/python3 "$hier/vorleseprobe.py"
INNEN
