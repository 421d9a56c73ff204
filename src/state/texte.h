#pragma once
// Texts the main screen shows: the money label and its three lists. The dispatch screen lists
// free taxis and drivers with the same lines.

#include <string>
#include <vector>

#include "state/spielstand.h"

namespace kabrolux {

// "Vermögen: " + the amount in the general float format + " €".
std::string geldText(double vermoegen);

struct Hauptlisten {
    std::vector<std::string> fahrten, taxen, fahrer;
};

// Trips under way: "Auftrag 12 geht über 30 km und wird um 14:05 Uhr erledigt sein.Die ...".
// Empty before the first game.
std::vector<std::string> fahrtenZeilen(const Spielstand& s);
// "07: Taxi Variante 1", one per owned taxi not on a trip, in slot order.
std::vector<std::string> freieTaxenZeilen(const Spielstand& s);
// "03: Werner Hoffmann (Erfahrung: 6 von 6)", one per employed driver not on a trip.
std::vector<std::string> freieFahrerZeilen(const Spielstand& s);
Hauptlisten hauptlisten(const Spielstand& s);

}  // namespace kabrolux
