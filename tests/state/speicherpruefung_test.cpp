// Damaged save images are refused with their reason and leave the target as it was; every
// value the game itself can write is accepted.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "speicherbeispiel.h"
#include "state/datum.h"
#include "state/speicherdatei.h"

using namespace kabrolux;
using namespace kabrolux::test;

namespace {

struct Aenderung {
    std::string name;
    std::function<void(Bild&)> aendern;
    std::string meldung;  // empty: the image is valid
};

void PrintTo(const Aenderung& a, std::ostream* os) {
    *os << a.name;
}

std::string kaputt(const std::string& befund) {
    return "Die Datei ist beschädigt: " + befund + ".";
}

// An int32 field set to `wert`, refused as outside lo..hi.
Aenderung ausserhalb(const std::string& name, std::size_t pos, int32_t wert,
                     const std::string& feld, int lo, int hi) {
    return {name, [=](Bild& b) { setzeInt32(b, pos, wert); },
            kaputt(feld + ": Wert " + std::to_string(wert) + " liegt nicht zwischen " +
                   std::to_string(lo) + " und " + std::to_string(hi))};
}

auto int32(std::size_t pos, int32_t v) {
    return [=](Bild& b) { setzeInt32(b, pos, v); };
}
auto gleit(std::size_t pos, double v) {
    return [=](Bild& b) { setzeDouble(b, pos, v); };
}
auto art(int r, int f, uint16_t a) {
    return [=](Bild& b) { setzeBytes(b, auftragsfeld(r, f) + 4, a, 2); };
}
auto byte(std::size_t pos, uint8_t v) {
    return [=](Bild& b) { b.at(pos) = v; };
}

const Bild& mitte() {
    static const Bild b = speicherbild(mittleresSpiel());
    return b;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::vector<Aenderung> schaeden() {
    return {
        {"kurz", [](Bild& b) { b.pop_back(); }, "Read beyond end of file"},
        {"leer", [](Bild& b) { b.clear(); }, "Read beyond end of file"},
        {"lang", [](Bild& b) { b.push_back(0); },
         "Die Datei ist beschädigt: Sie ist länger als 380496 Bytes."},
        {"laengenangabe", int32(auftragsfeld(12, 5), 17),
         kaputt("Auftrag 12, Feld 5: Längenangabe 17 statt 16")},
        {"laengenangabeAbholzeit", int32(auftragsfeld(999, 2), 0),
         kaputt("Auftrag 999, Feld 2: Längenangabe 0 statt 16")},
        {"datumImGanzzahlfeld", art(1, 1, 7), kaputt("Auftrag 1, Feld 1: Typ 7 statt 3")},
        {"leerTyp", art(500, 18, 0), kaputt("Auftrag 500, Feld 18: Typ 0 statt 3")},
        {"textImAbholzeitfeld", art(5, 2, 256),
         kaputt("Auftrag 5, Feld 2: Typ 256 statt 3 oder 7")},
        {"textlaenge30", byte(auftragsfeld(7, 3), 30),
         kaputt("Auftrag 7, Feld 3: Textlänge 30 statt höchstens 29")},
        {"textlaenge255", byte(auftragsfeld(900, 4), 255),
         kaputt("Auftrag 900, Feld 4: Textlänge 255 statt höchstens 29")},
        {"zeichen81", byte(auftragsfeld(6, 3) + 2, 0x81),
         kaputt("Auftrag 6, Feld 3: Zeichen 0x81 ist in Windows-1252 nicht belegt")},
        {"zeichen8D", byte(auftragsfeld(6, 4) + 1, 0x8D),
         kaputt("Auftrag 6, Feld 4: Zeichen 0x8D ist in Windows-1252 nicht belegt")},
        {"zeichen8F", byte(auftragsfeld(6, 3) + 12, 0x8F),
         kaputt("Auftrag 6, Feld 3: Zeichen 0x8F ist in Windows-1252 nicht belegt")},
        {"zeichen90", byte(auftragsfeld(6, 3) + 1, 0x90),
         kaputt("Auftrag 6, Feld 3: Zeichen 0x90 ist in Windows-1252 nicht belegt")},
        {"zeichen9D", byte(auftragsfeld(6, 4) + 23, 0x9D),
         kaputt("Auftrag 6, Feld 4: Zeichen 0x9D ist in Windows-1252 nicht belegt")},
        {"vermoegenNaN", gleit(0, kNaN), kaputt("Vermögen: keine endliche Zahl")},
        {"vermoegenUnendlich", gleit(0, kInf), kaputt("Vermögen: keine endliche Zahl")},
        {"grundpreis", gleit(24, -kInf), kaputt("Grundpreis: keine endliche Zahl")},
        {"kilometerpreis", gleit(32, kNaN), kaputt("Kilometerpreis: keine endliche Zahl")},
        {"spielzeitNaN", gleit(40, kNaN), kaputt("Spielzeit: keine endliche Zahl")},
        {"spielzeitJahr10000", gleit(40, datumZeit(10000, 1, 1)),
         kaputt("Spielzeit: Datum außerhalb der Jahre 1 bis 9999")},
        {"spielzeitVorJahr1", gleit(40, datumZeit(1, 1, 1) - kMinute),
         kaputt("Spielzeit: Datum außerhalb der Jahre 1 bis 9999")},
        {"abholzeitUnendlich", gleit(auftragswert(4, 2), kInf),
         kaputt("Auftrag 4, Feld 2: keine endliche Zahl")},
        {"abholzeitFern", gleit(auftragswert(4, 2), 1e7),
         kaputt("Auftrag 4, Feld 2: Datum außerhalb der Jahre 1 bis 9999")},
        {"spiellaeuft", int32(16, 0), kaputt("Spiel läuft: Wert 0 statt 1")},
        ausserhalb("bekanntheitHoch", 48, 301, "Bekanntheit", 0, 300),
        ausserhalb("bekanntheitTief", 48, -1, "Bekanntheit", 0, 300),
        // Of two damaged fields, the one earlier in the file is named.
        {"spielzeitUndBekanntheit",
         [](Bild& b) {
             gleit(40, kNaN)(b);
             int32(48, 301)(b);
         },
         kaputt("Spielzeit: keine endliche Zahl")},
        ausserhalb("imageHoch", 52, 101, "Image", -100, 100),
        {"schuldenNegativ", int32(12, -10000), kaputt("Schulden: Wert -10000 ist kleiner als 0")},
        {"schuldenKrumm", int32(12, 12345),
         kaputt("Schulden: Wert 12345 ist kein Vielfaches von 10000")},
        {"auftragsnummerNull", int32(68, 0), kaputt("Auftragsnummer: Wert 0 ist kleiner als 1")},
        {"taxinummerNull", int32(64, 0), kaputt("Taxinummer: Wert 0 ist kleiner als 1")},
        {"fahrernummerNull", int32(56, 0), kaputt("Fahrernummer: Wert 0 ist kleiner als 1")},
        {"erledigtNegativ",
         [](Bild& b) {
             setzeInt32(b, 68, 10);
             setzeInt32(b, 72, -1);
         },
         kaputt("Erledigte Aufträge: Wert -1 liegt nicht zwischen 0 und 9")},
        {"mehrErledigtAlsErhalten",
         [](Bild& b) {
             setzeInt32(b, 68, 10);
             setzeInt32(b, 72, 10);
         },
         kaputt("Erledigte Aufträge: Wert 10 liegt nicht zwischen 0 und 9")},
        {"angenommenNegativ", int32(76, -3),
         kaputt("Angenommene Aufträge: Wert -3 ist kleiner als 0")},
        {"aktienkursNull", int32(132 + 4 * 5, 0),
         kaputt("Aktie 2, Feld 3: Wert 0 ist kleiner als 1")},
        {"aktienNegativ", int32(132 + 4 * 16, -1),
         kaputt("Aktie 6, Feld 2: Wert -1 ist kleiner als 0")},
        ausserhalb("imageTief", 52, -101, "Image", -100, 100),
        ausserhalb("untergrundHoch", 80, 21, "Untergrundansehen", 0, 20),
        ausserhalb("untergrundTief", 80, -1, "Untergrundansehen", 0, 20),
        ausserhalb("autoHoch", 8, 5, "Aktuelles Auto", 0, 4),
        ausserhalb("autoTief", 8, -1, "Aktuelles Auto", 0, 4),
        ausserhalb("fahrerHoch", 20, 13, "Aktueller Fahrer", 0, 12),
        ausserhalb("fahrerTief", 20, -1, "Aktueller Fahrer", 0, 12),
        ausserhalb("eingestelltZwei", eingestelltFeld(3), 2, "Eingestellt 3", 0, 1),
        ausserhalb("auftragBelegt", auftragswert(8, 1), 2, "Auftrag 8, Feld 1", 0, 1),
        ausserhalb("auftragAngenommen", auftragswert(3, 12), -1, "Auftrag 3, Feld 12", 0, 1),
        {"auftragRestminuten", int32(auftragswert(3, 15), -1),
         kaputt("Auftrag 3, Feld 15: Wert -1 ist kleiner als 0")},
        ausserhalb("auftragUnterwegs", auftragswert(3, 16), 2, "Auftrag 3, Feld 16", 0, 1),
        ausserhalb("fahrerBelegt", fahrerFeld(6, 1), 2, "Fahrer 6, Feld 1", 0, 1),
        ausserhalb("fahrerUnterwegs", fahrerFeld(1, 3), 3, "Fahrer 1, Feld 3", 0, 1),
        {"fahrerRestminuten", int32(fahrerFeld(12, 4), -1),
         kaputt("Fahrer 12, Feld 4: Wert -1 ist kleiner als 0")},
        ausserhalb("fahrerKandidatNull", fahrerFeld(1, 5), 0, "Fahrer 1, Feld 5", 1, 12),
        ausserhalb("fahrerKandidat13", fahrerFeld(3, 5), 13, "Fahrer 3, Feld 5", 1, 12),
        ausserhalb("fahrerErfahrungNull", fahrerFeld(4, 7), 0, "Fahrer 4, Feld 7", 1, 6),
        ausserhalb("fahrerErfahrung7", fahrerFeld(4, 7), 7, "Fahrer 4, Feld 7", 1, 6),
        ausserhalb("taxiBelegt", taxiFeld(9, 1), -1, "Taxi 9, Feld 1", 0, 1),
        ausserhalb("taxiUnterwegs", taxiFeld(2, 4), 2, "Taxi 2, Feld 4", 0, 1),
        {"taxiRestminuten", int32(taxiFeld(3, 5), -40),
         kaputt("Taxi 3, Feld 5: Wert -40 ist kleiner als 0")},
        ausserhalb("taxiModellNull", taxiFeld(2, 6), 0, "Taxi 2, Feld 6", 1, 4),
        ausserhalb("taxiModellFuenf", taxiFeld(5, 6), 5, "Taxi 5, Feld 6", 1, 4),
        {"eingestelltOhneFahrer", int32(eingestelltFeld(5), 1),
         kaputt("Eingestellt 5: Wert 1, aber kein Fahrer ist Kandidat 5")},
        {"fahrerOhneEingestellt", int32(eingestelltFeld(9), 0),
         kaputt("Eingestellt 9: Wert 0, aber Fahrer 3 ist Kandidat 9")},
        {"kandidatDoppelt", int32(fahrerFeld(4, 5), 2),
         kaputt("Fahrer 4, Feld 5: Kandidat 2 ist schon Fahrer 1")},
        {"auftragsnummerDoppelt", int32(auftragswert(20, 5), 4),
         kaputt("Auftrag 20, Feld 5: Nummer 4 hat schon Auftrag 4")},
        {"belegtHinterDemEnde", int32(auftragswert(45, 1), 1),
         kaputt("Auftrag 45, Feld 1: belegt hinter dem ersten nie benutzten Auftrag 41")},
        {"belegtInDerLetztenZeile", int32(auftragswert(999, 1), 1),
         kaputt("Auftrag 999, Feld 1: belegt hinter dem ersten nie benutzten Auftrag 41")},
    };
}

class Beschaedigung : public ::testing::TestWithParam<Aenderung> {};

TEST_P(Beschaedigung, WirdAbgelehntUndDasZielBleibtUnveraendert) {
    Bild b = mitte();
    GetParam().aendern(b);
    ASSERT_NE(b, mitte());

    Spielstand ziel = startStand();
    const Bild vorher = speicherbild(ziel);
    const Auftragstabelle auftraegeVorher = ziel.auftraege;

    EXPECT_EQ(ladeBild(b, ziel), GetParam().meldung);
    EXPECT_EQ(speicherbild(ziel), vorher);
    EXPECT_TRUE(ziel.auftraege == auftraegeVorher);
}

INSTANTIATE_TEST_SUITE_P(Laden, Beschaedigung, ::testing::ValuesIn(schaeden()),
                         [](const auto& info) { return info.param.name; });

// Values at the edge of what the game writes; each must load and save back byte for byte.
std::vector<Aenderung> grenzwerte() {
    return {
        {"bekanntheit300", int32(48, 300), ""},
        {"bekanntheit0", int32(48, 0), ""},
        {"image100", int32(52, 100), ""},
        {"imageMinus100", int32(52, -100), ""},
        {"untergrund20", int32(80, 20), ""},
        {"autoNull", int32(8, 0), ""},
        {"auto4", int32(8, 4), ""},
        {"fahrerNull", int32(20, 0), ""},
        {"fahrer12", int32(20, 12), ""},
        {"vermoegenNegativ", gleit(0, -1e12), ""},
        {"preiseNegativUndRiesig",
         [](Bild& b) {
             setzeDouble(b, 24, -3);
             setzeDouble(b, 32, 1e300);
         },
         ""},
        {"spielzeitJahr1", gleit(40, datumZeit(1, 1, 1)), ""},
        {"spielzeitEndeJahr9999", gleit(40, datumZeit(9999, 12, 31, 23, 59, 59, 999)), ""},
        {"abholzeitGanzzahlImLebendenAuftrag",
         [](Bild& b) {
             setzeBytes(b, auftragsfeld(4, 2) + 4, 3, 2);
             setzeDouble(b, auftragswert(4, 2), 0);
         },
         ""},
        {"restminutenGross", int32(auftragswert(3, 15), std::numeric_limits<int32_t>::max()), ""},
        {"leererTaxiplatzOhneModell",
         [](Bild& b) {
             setzeInt32(b, taxiFeld(8, 6), 0);
             setzeInt32(b, taxiFeld(9, 6), 77);
         },
         ""},
        {"entlassenerFahrerBehaeltDaten", int32(fahrerFeld(2, 7), 0), ""},
        {"leererFahrerplatzMitDoppeltemKandidaten", int32(fahrerFeld(2, 5), 2), ""},
        {"nummerEinesLebendenInGeraeumterZeile", int32(auftragswert(2, 5), 4), ""},
        {"textMit29Zeichen",
         [](Bild& b) {
             b[auftragsfeld(6, 3)] = 29;
             std::fill_n(b.begin() + static_cast<std::ptrdiff_t>(auftragsfeld(6, 3) + 1), 29, 'q');
         },
         ""},
        {"volleTabelle",
         [](Bild& b) {
             for (int r = 41; r <= 999; ++r) {
                 setzeInt32(b, auftragswert(r, 1), 1);
                 setzeInt32(b, auftragswert(r, 5), 1000 + r);
             }
         },
         ""},
    };
}

class Grenzwert : public ::testing::TestWithParam<Aenderung> {};

TEST_P(Grenzwert, WirdAngenommenUndGleichGespeichert) {
    Bild b = mitte();
    GetParam().aendern(b);
    ASSERT_NE(b, mitte());
    Spielstand ziel = startStand();
    ASSERT_EQ(ladeBild(b, ziel), "");
    EXPECT_EQ(speicherbild(ziel), b);
}

INSTANTIATE_TEST_SUITE_P(Laden, Grenzwert, ::testing::ValuesIn(grenzwerte()),
                         [](const auto& info) { return info.param.name; });

// Bytes of no meaning may hold anything; saving writes them as zeros again.
std::vector<Aenderung> bedeutungslos() {
    return {
        {"reserviert", [](Bild& b) { setzeBytes(b, auftragsfeld(3, 7) + 6, 0xFFFFFFFFFFFF, 6); },
         ""},
        {"hinterGanzzahl", int32(auftragsfeld(3, 7) + 16, -1), ""},
        {"hinterText", byte(auftragsfeld(6, 4) + 29, 0x81), ""},
        {"direktHinterText",
         [](Bild& b) {
             const std::size_t feld = auftragsfeld(6, 4);
             b.at(feld + 1 + b.at(feld)) = 0x81;
         },
         ""},
        {"hinterLeeremText", byte(auftragsfeld(700, 3) + 1, 'x'), ""},
    };
}

class Bedeutungslos : public ::testing::TestWithParam<Aenderung> {};

TEST_P(Bedeutungslos, WirdIgnoriertUndAlsNullGeschrieben) {
    Bild b = mitte();
    GetParam().aendern(b);
    ASSERT_NE(b, mitte());
    Spielstand ziel = startStand();
    ASSERT_EQ(ladeBild(b, ziel), "");
    EXPECT_EQ(speicherbild(ziel), mitte());
}

INSTANTIATE_TEST_SUITE_P(Laden, Bedeutungslos, ::testing::ValuesIn(bedeutungslos()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
