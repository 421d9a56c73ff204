#!/usr/bin/env bash
# Plays the real game under a window manager (openbox in Xvfb) and ends it in every way: kill -9,
# kill (SIGTERM), the close box, "Spielende", and a second copy while the first runs. Prints
# whether the next start asks and what the autosave holds (money and taxis, read from the file).
# Needs xvfb, openbox, xdotool and python3 (Debian packages). Its state folder is its own.
#   scripts/sicherungsprobe.sh [build/bin/kabrolux]
set -uo pipefail
programm=$(realpath "${1:-build/bin/kabrolux}")
hier=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
export DISPLAY=:96
XDG_STATE_HOME=$(mktemp -d)
export XDG_STATE_HOME
ordner=$XDG_STATE_HOME/kabrolux
Xvfb "$DISPLAY" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
openbox >/dev/null 2>&1 &
sleep 1
spiele=()
trap 'kill "${spiele[@]}" 2>/dev/null; wait "${spiele[@]}" 2>/dev/null; kill $xvfb; rm -rf "$XDG_STATE_HOME"' EXIT
source "$hier/probehilfen.sh"

starten() {
    "$programm" >/dev/null 2>&1 &
    spiel=$!
    spiele+=("$spiel")
    fenster "Kabrolux Version 1.5" >/dev/null
    sleep 1.5
}
# The question is a window titled "Kabrolux" alone.
frage() { xdotool search --onlyvisible --name '^Kabrolux$' | head -1; }
gefragt() { [ -n "$(frage)" ] && echo ja || echo nein; }
# Money and owned taxis of the newest state of copy $1 (default 1), from the file itself.
stand() {
    python3 - "$ordner/spiel-${1:-1}.kbs" <<'PY'
import struct, sys
try:
    b = open(sys.argv[1], "rb").read()
except OSError:
    print("keine Datei"); sys.exit()
taxen = sum(struct.unpack_from("<i", b, 380160 + 28 * k)[0] == 1 for k in range(12))
print(f"{len(b)} Bytes, Vermögen {struct.unpack_from('<d', b, 0)[0]:g} €, {taxen} Taxen")
PY
}
taxiKaufen() {
    klick 512 29   # Spiel starten
    klick 468 93   # Autohändler
    xdotool mousemove --window "$(fenster "Autohänder")" 360 234 click 1   # Kaufen
    sleep 0.5
    xdotool key Escape
    sleep 0.5
    xdotool key 3   # speed 3
}
fortsetzen() {
    local f
    f=$(frage)
    [ -n "$f" ] || return
    xdotool windowactivate --sync "$f" key Return
    sleep 1
}
neu() { rm -rf "$ordner"; }

for ende in "kill -9" "kill"; do
    echo "== Ende durch $ende"
    neu
    starten
    taxiKaufen
    sleep "${SPIELZEIT:-5}"
    echo "vorher:        $(stand)"
    $ende "$spiel"
    wait "$spiel" 2>/dev/null
    echo "gesichert:     $(stand)"
    starten
    echo "Frage: $(gefragt)"
    fortsetzen
    xdotool key 0   # pause, so that the state stays as loaded
    kill "$spiel"   # written once more as it ends
    wait "$spiel" 2>/dev/null
    echo "fortgesetzt:   $(stand)"
done

echo "== Ende durch den Schließknopf"
neu
starten
taxiKaufen
xdotool windowactivate --sync "$(fenster "Kabrolux Version 1.5")" key alt+F4
wait "$spiel" 2>/dev/null
echo "gesichert:     $(stand)"
starten
echo "Frage nach dem Schließknopf: $(gefragt)"

echo "== Ende durch Spielende"
klick 512 29    # Spiel starten
klick 512 286   # Spielende
wait "$spiel" 2>/dev/null
echo "gesichert:     $(stand)"
starten
echo "Frage nach Spielende: $(gefragt)"
echo "Dateien: $(cd "$ordner" && echo *)"

echo "== Eine zweite Kopie, während die erste läuft"
klick 512 29    # Spiel starten
kill -9 "$spiel"
wait "$spiel" 2>/dev/null
starten
erste=$spiel
echo "erste Kopie fragt: $(gefragt)"
fortsetzen
starten
echo "zweite Kopie fragt: $(gefragt)"
echo "Dateien: $(cd "$ordner" && echo *)"
kill "$spiel" "$erste"
