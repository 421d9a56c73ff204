#pragma once
// The game's invariants between two actions of the player.

#include <string>

#include "sim/verlauf.h"
#include "state/spielstand.h"

namespace kabrolux::test {

// "" when the state is sound, else what is wrong. The trips' agreement of order, taxi and driver
// holds for everything the game does, but a damaged file the loader accepts need not keep it.
std::string invariantenPruefen(const Spielstand& s, bool mitFahrten = true);

// "" when the history holds one sample for every full hour since it began (the newest ones the
// ring keeps), the last one at the last full hour.
std::string verlaufPruefen(const Verlauf& v, DatumZeit jetzt);

}  // namespace kabrolux::test
