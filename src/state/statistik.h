#pragma once
// The five counts about the orders of the running game, as the statistics screen and the
// history show them.

#include <cstdint>

#include "state/spielstand.h"

namespace kabrolux {

// Worked out in 64 bits, so counters that have wrapped or come from a damaged file still give
// plain numbers.
struct Statistik {
    int64_t erhalten = 0;         // auftragsnummer - 1
    int64_t erledigt = 0;         // erledigteauftraege
    int64_t verpasst = 0;         // received - settled - still in the table
    int64_t angenommen = 0;       // angenommeneauftraege
    int64_t angenommenOffen = 0;  // accepted - settled - accepted and still in the table
    bool operator==(const Statistik&) const = default;
};

// Counts the rows in use up to the first never-used row.
Statistik statistikBerechnen(const Spielstand& s);

}  // namespace kabrolux
