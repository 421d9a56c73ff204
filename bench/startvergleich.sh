#!/usr/bin/env bash
# Starts the game and a bare Qt window of the same size under Xvfb, several times each in turn
# (so a busy moment of the machine hits both alike), and prints the time to the first shown
# window and the resident memory of both, with their ratio.
#   bench/startvergleich.sh [build folder] [runs]
# Needs xvfb (Debian package); the programs are built with the project.
set -euo pipefail
bau=$(realpath "${1:-build}")
runden=${2:-9}
export DISPLAY=:93 KABROLUX_STARTMESSUNG=1
# The game's autosave folder for these runs, never the player's.
XDG_STATE_HOME=$(mktemp -d)
export XDG_STATE_HOME
Xvfb "$DISPLAY" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$XDG_STATE_HOME"' EXIT
sleep 1

messen() {  # program -> "ms rss_kb rss_later_kb"
    local start ausgabe
    start=$(date +%s%N)
    ausgabe=$(XDG_RUNTIME_DIR=/tmp QT_QPA_PLATFORM=xcb "$1" 2>/dev/null)
    awk -v s="$start" '/^gezeigt_ns/ {ms = ($2 - s) / 1e6} /^rss_kb/ {r = $2}
                       /^rss_spaeter_kb/ {l = $2} END {printf "%.1f %d %d\n", ms, r, l}' <<<"$ausgabe"
}
median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

declare -A zeiten speicher
namen=(kabrolux kabrolux_leeres_fenster)
for name in "${namen[@]}"; do
    messen "$bau/bin/$name" >/dev/null  # warm the file cache
done
for _ in $(seq "$runden"); do
    for name in "${namen[@]}"; do
        read -r ms rss spaeter < <(messen "$bau/bin/$name")
        zeiten[$name]+="$ms"$'\n'
        speicher[$name]+="$spaeter"$'\n'
    done
done
declare -A mitte
for name in "${namen[@]}"; do
    mitte[$name]=$(printf '%s' "${zeiten[$name]}" | median)
    printf '%-24s erstes Fenster nach %6s ms (Median von %d), resident %6s kB\n' "$name" \
        "${mitte[$name]}" "$runden" "$(printf '%s' "${speicher[$name]}" | median)"
done
awk -v a="${mitte[kabrolux]}" -v b="${mitte[kabrolux_leeres_fenster]}" \
    'BEGIN {printf "Verhältnis %.2f\n", a / b}'
