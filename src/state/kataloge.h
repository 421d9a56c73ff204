#pragma once
// The constant catalogues of taxi models, driver candidates, pickup places and customers.

#include <array>
#include <cstdint>
#include <string>

namespace kabrolux {

// A taxi model: five texts, as the car dealer shows them. The second is spare (empty).
struct Automodell {
    const char* name;      // "Taxi Variante 1"; its 15th character is the comfort level
    const char* zusatz;    // empty
    const char* leistung;  // "45 PS"
    const char* sitze;     // "4 Sitzplätze"
    const char* preis;     // "20000", euros
};

// A driver candidate: five texts, as the personnel screen shows them.
struct Fahrerkandidat {
    const char* name;       // "Thomas Becker"
    const char* zusatz;     // empty
    const char* alter;      // "Alter: 28 Jahre"
    const char* erfahrung;  // "Erfahrung: 2 von 6"; its 12th character is the experience
    const char* gehalt;     // "97", euros per day
};

// Taxi models 1..4.
extern const std::array<Automodell, 4> autokatalog;
// Driver candidates 1..12.
extern const std::array<Fahrerkandidat, 12> fahrerkatalog;
extern const std::array<const char*, 10> abholorte;
extern const std::array<const char*, 20> kundennamen;

// Lookups by the game's 1-based numbers; nullptr outside the catalogue.
const Automodell* automodell(int nr);
const Fahrerkandidat* kandidat(int nr);

// The model's comfort level 1..4, the digit that ends its name; it raises the image bonus.
int komfortstufe(const Automodell& m);
// The candidate's experience 1..6, the digit after "Erfahrung: ".
int erfahrungsstufe(const Fahrerkandidat& k);
// Price and daily salary as whole euros.
int preisVon(const Automodell& m);
int gehaltVon(const Fahrerkandidat& k);
// The numbers the other texts show, for screens that word them: horsepower, seats, age.
int leistungVon(const Automodell& m);
int sitzeVon(const Automodell& m);
int alterVon(const Fahrerkandidat& k);

// The first whole number written in a text, 0 if there is none.
int ersteZahl(const char* text);

// Digit at a fixed place (from 1) of a text, 0 if there is none.
int zifferAn(const char* text, int stelle);

// One step through a catalogue of 1..hoechste; false at its end, where nothing changes. A
// damaged position comes back to the nearest end.
bool blaettern(int32_t& nr, int schritt, int hoechste);

}  // namespace kabrolux
