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

// Takes the two price texts as the game reads them (a new game, closing the prices screen):
// the base price first, then the kilometre price. A text that is not a number shows the
// conversion message and stops there, so a good base price stays taken.
bool preiseLesen(Spiel& spiel, const std::string& grundpreisText,
                 const std::string& kilometerpreisText);

}  // namespace kabrolux
