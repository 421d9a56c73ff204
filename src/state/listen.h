#pragma once
// What the main screen's three lists show: the trips under way, the free taxis and the free
// drivers, as the facts each line is made of. The dispatch screen lists free taxis and drivers
// alike; the screens word the lines.

#include <cstdint>
#include <vector>

#include "state/datum.h"
#include "state/spielstand.h"

namespace kabrolux {

// A trip under way: order number, kilometres, when it will be over, and the fare.
struct Fahrtzeile {
    int32_t nummer = 0;
    int32_t kilometer = 0;
    DatumZeit ende = 0;
    int32_t einnahmen = 0;
    bool operator==(const Fahrtzeile&) const = default;
};

// A free taxi: its running number, which maps its line back to it, and its model (1..4).
struct Taxizeile {
    int32_t nummer = 0;
    int32_t modell = 0;
    bool operator==(const Taxizeile&) const = default;
};

// A free driver: the running number and the catalogue candidate (1..12) hired.
struct Fahrerzeile {
    int32_t nummer = 0;
    int32_t kandidat = 0;
    bool operator==(const Fahrerzeile&) const = default;
};

struct Hauptlisten {
    std::vector<Fahrtzeile> fahrten;
    std::vector<Taxizeile> taxen;
    std::vector<Fahrerzeile> fahrer;
};

// Trips under way in the order of the used region; empty before the first game.
std::vector<Fahrtzeile> fahrtenZeilen(const Spielstand& s);
// One per owned taxi not on a trip, in slot order.
std::vector<Taxizeile> freieTaxenZeilen(const Spielstand& s);
// One per employed driver not on a trip, in slot order.
std::vector<Fahrerzeile> freieFahrerZeilen(const Spielstand& s);
Hauptlisten hauptlisten(const Spielstand& s);

}  // namespace kabrolux
