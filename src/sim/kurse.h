#pragma once
// The stock market's quarter-day update and the loan interest, duties of the clock.

#include <array>
#include <cstdint>

#include "state/spielstand.h"

namespace kabrolux {

class Spiel;

// One cell of the bank's price table. The table is the only memory of past prices: a price, the
// text a new game puts into the current column ("100.0"), or none yet ("N/A").
struct Kurswert {
    enum class Art : uint8_t { keiner, start, kurs };
    Art art = Art::keiner;
    int32_t kurs = 0;
    static Kurswert von(int32_t k) { return {Art::kurs, k}; }
    bool operator==(const Kurswert&) const = default;
};

// A holding as the depot shows it; after a trade it reads "Stck.", after an update "Stk.".
struct Depotwert {
    int32_t stueck = 0;
    bool gehandelt = false;
    bool operator==(const Depotwert&) const = default;
};

// The bank screen's share table: prices now, six and twelve hours ago, and the holdings.
struct Kurstafel {
    std::array<Kurswert, kAktien> kurs, vor6, vor12;
    std::array<Depotwert, kAktien> depot;
};

// A new game's table: "100.0" now, "N/A" in both history columns, nothing held.
void kurstafelZuruecksetzen(Kurstafel& t);
// The current prices and holdings of the game, the history columns left as they are.
void kurstafelAusStand(Kurstafel& t, const Spielstand& s);

// Reseed, move the six prices by -3..+3 (at least 1), shift the history, show the holdings, and
// charge a quarter day's interest while there are debts.
void aktienkurseberechnen(Spiel& spiel);

}  // namespace kabrolux
