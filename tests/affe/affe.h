#pragma once
// A seeded random player that drives the core's public operations and checks the game's
// invariants after every action.

#include <cstdint>
#include <string>

namespace kabrolux::test {

struct Affenbericht {
    // "" when every invariant held, else the seed, the broken invariant and the last actions,
    // enough to replay the run.
    std::string fehler;
    // How deep the play went: trips sent and orders settled.
    long gesendet = 0, erledigt = 0;
};

// Plays `aktionen` random actions from seed `saat`, writing save files into `ordner`.
Affenbericht affeSpielen(uint64_t saat, long aktionen, const std::string& ordner);

}  // namespace kabrolux::test
