#pragma once
// Checks a state read from a save file before it may replace the running game's.

#include <string>

#include "state/spielstand.h"

namespace kabrolux {

// Where a damaged value sits, e.g. "Auftrag 12, Feld 5" or "Bekanntheit".
struct Ort {
    const char* name;
    int nr = 0;
    int feld = 0;
};

// Thrown while reading a damaged image; `text` is the whole message for the player.
struct Beschaedigt {
    std::string text;
};

[[noreturn]] void beschaedigt(const Ort& o, const std::string& befund);

// Every rule a state the game itself writes obeys: ranges, flags, the drivers' bookkeeping and
// the order table's. Throws Beschaedigt at the first value that breaks one.
void pruefeGeladenenStand(const Spielstand& s);

}  // namespace kabrolux
