#pragma once
// The game clock's tick and the speed controls.

#include <array>

namespace kabrolux {

class Spiel;

// One game minute with all its duties, in their fixed order. A tick never runs inside another
// one (the player may act while a tick's message is open).
void Timer1Timer(Spiel& spiel);

// Tick duties, callable on their own.
void gehaelterzahlen(Spiel& spiel);
void bekanntheitVerfallen(Spiel& spiel);

// Milliseconds between ticks for the speed steps 0 (pause) to 4, as keys and buttons name them.
constexpr std::array<int, 5> kTaktMs{0, 2000, 1000, 400, 50};

// Digit keys of the main screen: "4" to "1" set a speed and switch the clock on, "0" pauses;
// only while a game runs.
void tasteGedrueckt(Spiel& spiel, char taste);
// Speed buttons of the settings screen; ms = 0 is "Pause (0)". Before a game has started a
// speed is only remembered.
void geschwindigkeitGewaehlt(Spiel& spiel, int ms);

}  // namespace kabrolux
