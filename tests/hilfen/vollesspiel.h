#pragma once
// A game at the limit of the order table, for benchmarks: 999 live orders (every other one
// accepted, every seventh special), twelve taxis and drivers on trips that never end while a
// benchmark runs, pickup times far ahead so nothing expires.

#include "state/spielstand.h"

namespace kabrolux::test {

void tabelleFuellen(Spielstand& s);

}  // namespace kabrolux::test
