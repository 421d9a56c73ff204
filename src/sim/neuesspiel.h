#pragma once
// Starting a new game: the game state in its starting condition and the clock switched on.

#include <cstdint>
#include <string>

namespace kabrolux {

class Spiel;

// startkapital 0 = no start-capital button selected (the money stays as it is). Returns false
// when a price text is not a number; its message has been shown and the game did not start.
bool neuesSpiel(Spiel& spiel, int32_t startkapital, const std::string& grundpreisText,
                const std::string& kilometerpreisText);

}  // namespace kabrolux
