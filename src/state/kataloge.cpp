#include "state/kataloge.h"

#include <cstring>
#include <string>

namespace kabrolux {

const std::array<Automodell, 4> autokatalog = {{
    {"Taxi Variante 1", "", "45 PS", "4 Sitzplätze", "20000"},
    {"Taxi Variante 2", "", "65 PS", "4 Sitzplätze", "30000"},
    {"Taxi Variante 3", "", "85 PS", "4 Sitzplätze", "40000"},
    {"Taxi Variante 4", "", "105 PS", "4 Sitzplätze", "50000"},
}};

const std::array<Fahrerkandidat, 12> fahrerkatalog = {{
    {"Thomas Becker", "", "Alter: 28 Jahre", "Erfahrung: 2 von 6", "97"},
    {"Michael Schneider", "", "Alter: 43 Jahre", "Erfahrung: 4 von 6", "129"},
    {"Werner Hoffmann", "", "Alter: 58 Jahre", "Erfahrung: 6 von 6", "161"},
    {"Jan Fischer", "", "Alter: 23 Jahre", "Erfahrung: 1 von 6", "81"},
    {"Klaus Richter", "", "Alter: 59 Jahre", "Erfahrung: 6 von 6", "161"},
    {"Stefan Wagner", "", "Alter: 45 Jahre", "Erfahrung: 4 von 6", "129"},
    {"Sabine Müller", "", "Alter: 30 Jahre", "Erfahrung: 2 von 6", "97"},
    {"Claudia Schmidt", "", "Alter: 38 Jahre", "Erfahrung: 3 von 6", "113"},
    {"Monika Weber", "", "Alter: 50 Jahre", "Erfahrung: 5 von 6", "145"},
    {"Lena Schulz", "", "Alter: 20 Jahre", "Erfahrung: 1 von 6", "81"},
    {"Andrea Koch", "", "Alter: 40 Jahre", "Erfahrung: 3 von 6", "113"},
    {"Renate Bauer", "", "Alter: 52 Jahre", "Erfahrung: 5 von 6", "145"},
}};

const std::array<const char*, 10> abholorte = {
    "Bahnhof",      "alten Kirchturm",           "Kaufhaus", "Restaurant 'Zum Hirsch'",
    "Marktplatz",   "Bushalteplatz 'Alter Hof'", "Kino",     "Flughafen",
    "Ludwigsplatz", "Gasthof 'Zur Ente'",
};

const std::array<const char*, 20> kundennamen = {
    "Herrn Meier",  "Herrn Schulze", "Herrn Krüger",  "Herrn Hartmann", "Herrn Lange",
    "Herrn Werner", "Herrn Krause",  "Herrn Lehmann", "Herrn Köhler",   "Herrn Zimmermann",
    "Frau Braun",   "Frau Hofmann",  "Frau Schäfer",  "Frau Schmitz",   "Frau Wolf",
    "Frau Neumann", "Frau Schwarz",  "Frau Keller",   "Frau Vogel",     "Frau Frank",
};

namespace {

// Where the dispatch and the hiring read their digits.
constexpr int kKomfortStelle = 15;    // "Taxi Variante 1"
constexpr int kErfahrungStelle = 12;  // "Erfahrung: 2 von 6"

}  // namespace

const Automodell* automodell(int nr) {
    return nr >= 1 && nr <= 4 ? &autokatalog[nr - 1] : nullptr;
}

const Fahrerkandidat* kandidat(int nr) {
    return nr >= 1 && nr <= 12 ? &fahrerkatalog[nr - 1] : nullptr;
}

int zifferAn(const char* text, int stelle) {
    if (stelle < 1 || std::strlen(text) < static_cast<std::size_t>(stelle)) return 0;
    const char c = text[stelle - 1];
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

int komfortstufe(const Automodell& m) {
    return zifferAn(m.name, kKomfortStelle);
}

int erfahrungsstufe(const Fahrerkandidat& k) {
    return zifferAn(k.erfahrung, kErfahrungStelle);
}

int preisVon(const Automodell& m) {
    return std::stoi(m.preis);
}

int gehaltVon(const Fahrerkandidat& k) {
    return std::stoi(k.gehalt);
}

int ersteZahl(const char* text) {
    const char* c = text;
    while (*c != '\0' && (*c < '0' || *c > '9'))
        ++c;
    int zahl = 0;
    // The catalogue's numbers have at most six digits; more would leave the int range.
    for (int n = 0; *c >= '0' && *c <= '9' && n < 9; ++c, ++n)
        zahl = 10 * zahl + (*c - '0');
    return zahl;
}

int leistungVon(const Automodell& m) {
    return ersteZahl(m.leistung);
}

int sitzeVon(const Automodell& m) {
    return ersteZahl(m.sitze);
}

int alterVon(const Fahrerkandidat& k) {
    return ersteZahl(k.alter);
}

bool blaettern(int32_t& nr, int schritt, int hoechste) {
    if ((schritt > 0 && nr >= hoechste) || (schritt < 0 && nr <= 1)) return false;
    // Out-of-range positions are pulled in before stepping, so nothing can overflow.
    const int32_t von = nr < 1 ? 0 : (nr > hoechste ? hoechste + 1 : nr);
    const int32_t ziel = von + schritt;
    nr = ziel < 1 ? 1 : (ziel > hoechste ? hoechste : ziel);
    return true;
}

}  // namespace kabrolux
