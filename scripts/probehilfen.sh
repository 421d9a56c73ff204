# Shared by the probes that drive the real game in Xvfb with xdotool; sourced, not run.

# The visible window with exactly this title; waits up to ten seconds for it.
fenster() { timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -1; }

# The main screen's title in the language the game was started in.
HAUPTTITEL=${HAUPTTITEL:-Kabrolux Version 1.5}

# A click at a point of the main screen's client area.
klick() {
    xdotool mousemove --window "$(fenster "$HAUPTTITEL")" "$1" "$2" click 1
    sleep 0.5
}
