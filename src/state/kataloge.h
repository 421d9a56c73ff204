#pragma once
// The constant catalogues of taxi models, driver candidates, pickup places and customers.

#include <array>
#include <cstdint>
#include <string>

namespace kabrolux {

// Five texts per entry: name, a spare text, power or age, seats or experience, price or salary.
struct Katalogeintrag {
    const char* name;
    const char* zweiter;
    const char* dritter;
    const char* vierter;
    const char* fuenfter;
};

// Taxi models 1..4. The model digit stands as the 15th character of the name.
extern const std::array<Katalogeintrag, 4> autokatalog;
// Driver candidates 1..12. The experience digit stands as the 12th character of the 4th text.
extern const std::array<Katalogeintrag, 12> fahrerkatalog;
extern const std::array<const char*, 10> abholorte;
extern const std::array<const char*, 20> kundennamen;

// Lookups by the game's 1-based numbers; nullptr outside the catalogue.
const Katalogeintrag* automodell(int nr);
const Katalogeintrag* kandidat(int nr);

// Digit at a fixed place of a catalogue text, 0 if there is none.
int zifferAn(const char* text, int stelle);
// The 5th text as an integer (price or salary).
int preisVon(const Katalogeintrag& e);

// One step through a catalogue of 1..hoechste; false at its end, where nothing changes. A
// damaged position comes back to the nearest end.
bool blaettern(int32_t& nr, int schritt, int hoechste);

}  // namespace kabrolux
