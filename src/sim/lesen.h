#pragma once
// Read-only access to the game state for the screens: they show it, and change it only through
// the rules' operations.

#include "sim/laufwerte.h"
#include "state/spielstand.h"

namespace kabrolux {

class Spiel;

const Spielstand& lesen(const Spiel& spiel);
const Laufwerte& laufwerte(const Spiel& spiel);

}  // namespace kabrolux
