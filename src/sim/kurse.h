#pragma once
// The stock market's quarter-day update and the loan interest, duties of the clock.

#include <array>
#include <string>

#include "state/spielstand.h"

namespace kabrolux {

class Spiel;

// Texts of the bank screen's share table; they are the only memory of past prices.
struct Banktexte {
    std::array<std::string, kAktien> kurs, vor6, vor12, depot;
};

// A new game's texts: "100.0" now, "N/A" in both history columns, "0 Stk." held.
void banktexteZuruecksetzen(Banktexte& b);
// The current prices and holdings of the game, the history columns left as they are.
void banktexteAusStand(Banktexte& b, const Spielstand& s);

// Reseed, move the six prices by -3..+3 (at least 1), shift the history texts, show the
// holdings, and charge a quarter day's interest while there are debts.
void aktienkurseberechnen(Spiel& spiel);

}  // namespace kabrolux
