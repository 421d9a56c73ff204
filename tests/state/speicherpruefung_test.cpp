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
    Ladefehler fehler;  // empty: the image is valid
};

void PrintTo(const Aenderung& a, std::ostream* os) {
    *os << a.name;
}

Ladefehler kaputt(const Ort& o, Befund befund, int64_t a = 0, int64_t b = 0, int64_t c = 0) {
    return {{}, Schaden{o, befund, a, b, c}};
}

using S = Stelle;
using B = Befund;

Ladefehler lauf(const char* text) {
    return {text, {}};
}

// An int32 field set to `wert`, refused as outside lo..hi.
Aenderung ausserhalb(const std::string& name, std::size_t pos, int32_t wert, const Ort& o, int lo,
                     int hi) {
    return {name, [=](Bild& b) { setzeInt32(b, pos, wert); },
            kaputt(o, Befund::wertNichtZwischen, wert, lo, hi)};
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
        {"kurz", [](Bild& b) { b.pop_back(); }, lauf("Read beyond end of file")},
        {"leer", [](Bild& b) { b.clear(); }, lauf("Read beyond end of file")},
        {"lang", [](Bild& b) { b.push_back(0); }, kaputt({}, B::zuLang, 380496)},
        {"laengenangabe", int32(auftragsfeld(12, 5), 17),
         kaputt({S::auftrag, 12, 5}, B::laengenangabe, 17)},
        {"laengenangabeAbholzeit", int32(auftragsfeld(999, 2), 0),
         kaputt({S::auftrag, 999, 2}, B::laengenangabe, 0)},
        {"datumImGanzzahlfeld", art(1, 1, 7), kaputt({S::auftrag, 1, 1}, B::typ, 7)},
        {"leerTyp", art(500, 18, 0), kaputt({S::auftrag, 500, 18}, B::typ, 0)},
        {"textImAbholzeitfeld", art(5, 2, 256), kaputt({S::auftrag, 5, 2}, B::typ, 256, 1)},
        {"textlaenge30", byte(auftragsfeld(7, 3), 30),
         kaputt({S::auftrag, 7, 3}, B::textlaenge, 30)},
        {"textlaenge255", byte(auftragsfeld(900, 4), 255),
         kaputt({S::auftrag, 900, 4}, B::textlaenge, 255)},
        {"zeichen81", byte(auftragsfeld(6, 3) + 2, 0x81),
         kaputt({S::auftrag, 6, 3}, B::zeichen, 0x81)},
        {"zeichen8D", byte(auftragsfeld(6, 4) + 1, 0x8D),
         kaputt({S::auftrag, 6, 4}, B::zeichen, 0x8D)},
        {"zeichen8F", byte(auftragsfeld(6, 3) + 12, 0x8F),
         kaputt({S::auftrag, 6, 3}, B::zeichen, 0x8F)},
        {"zeichen90", byte(auftragsfeld(6, 3) + 1, 0x90),
         kaputt({S::auftrag, 6, 3}, B::zeichen, 0x90)},
        {"zeichen9D", byte(auftragsfeld(6, 4) + 23, 0x9D),
         kaputt({S::auftrag, 6, 4}, B::zeichen, 0x9D)},
        {"vermoegenNaN", gleit(0, kNaN), kaputt({S::vermoegen}, B::keineEndlicheZahl)},
        {"vermoegenUnendlich", gleit(0, kInf), kaputt({S::vermoegen}, B::keineEndlicheZahl)},
        {"grundpreis", gleit(24, -kInf), kaputt({S::grundpreis}, B::keineEndlicheZahl)},
        {"kilometerpreis", gleit(32, kNaN), kaputt({S::kilometerpreis}, B::keineEndlicheZahl)},
        {"spielzeitNaN", gleit(40, kNaN), kaputt({S::spielzeit}, B::keineEndlicheZahl)},
        {"spielzeitJahr10000", gleit(40, datumZeit(10000, 1, 1)),
         kaputt({S::spielzeit}, B::datumAusserhalb)},
        {"spielzeitVorJahr1", gleit(40, datumZeit(1, 1, 1) - kMinute),
         kaputt({S::spielzeit}, B::datumAusserhalb)},
        {"abholzeitUnendlich", gleit(auftragswert(4, 2), kInf),
         kaputt({S::auftrag, 4, 2}, B::keineEndlicheZahl)},
        {"abholzeitFern", gleit(auftragswert(4, 2), 1e7),
         kaputt({S::auftrag, 4, 2}, B::datumAusserhalb)},
        {"spiellaeuft", int32(16, 0), kaputt({S::spielLaeuft}, B::wertStatt, 0, 1)},
        ausserhalb("bekanntheitHoch", 48, 301, {S::bekanntheit}, 0, 300),
        ausserhalb("bekanntheitTief", 48, -1, {S::bekanntheit}, 0, 300),
        // Of two damaged fields, the one earlier in the file is named.
        {"spielzeitUndBekanntheit",
         [](Bild& b) {
             gleit(40, kNaN)(b);
             int32(48, 301)(b);
         },
         kaputt({S::spielzeit}, B::keineEndlicheZahl)},
        ausserhalb("imageHoch", 52, 101, {S::image}, -100, 100),
        {"schuldenNegativ", int32(12, -10000), kaputt({S::schulden}, B::wertKleinerAls, -10000, 0)},
        {"schuldenKrumm", int32(12, 12345), kaputt({S::schulden}, B::keinVielfaches, 12345)},
        {"auftragsnummerNull", int32(68, 0), kaputt({S::auftragsnummer}, B::wertKleinerAls, 0, 1)},
        {"taxinummerNull", int32(64, 0), kaputt({S::taxinummer}, B::wertKleinerAls, 0, 1)},
        {"fahrernummerNull", int32(56, 0), kaputt({S::fahrernummer}, B::wertKleinerAls, 0, 1)},
        {"erledigtNegativ",
         [](Bild& b) {
             setzeInt32(b, 68, 10);
             setzeInt32(b, 72, -1);
         },
         kaputt({S::erledigteAuftraege}, B::wertNichtZwischen, -1, 0, 9)},
        {"mehrErledigtAlsErhalten",
         [](Bild& b) {
             setzeInt32(b, 68, 10);
             setzeInt32(b, 72, 10);
         },
         kaputt({S::erledigteAuftraege}, B::wertNichtZwischen, 10, 0, 9)},
        {"angenommenNegativ", int32(76, -3),
         kaputt({S::angenommeneAuftraege}, B::wertKleinerAls, -3, 0)},
        {"aktienkursNull", int32(132 + 4 * 5, 0),
         kaputt({S::aktie, 2, 3}, B::wertKleinerAls, 0, 1)},
        {"aktienNegativ", int32(132 + 4 * 16, -1),
         kaputt({S::aktie, 6, 2}, B::wertKleinerAls, -1, 0)},
        ausserhalb("imageTief", 52, -101, {S::image}, -100, 100),
        ausserhalb("untergrundHoch", 80, 21, {S::untergrundansehen}, 0, 20),
        ausserhalb("untergrundTief", 80, -1, {S::untergrundansehen}, 0, 20),
        ausserhalb("autoHoch", 8, 5, {S::aktuellesAuto}, 0, 4),
        ausserhalb("autoTief", 8, -1, {S::aktuellesAuto}, 0, 4),
        ausserhalb("fahrerHoch", 20, 13, {S::aktuellerFahrer}, 0, 12),
        ausserhalb("fahrerTief", 20, -1, {S::aktuellerFahrer}, 0, 12),
        ausserhalb("eingestelltZwei", eingestelltFeld(3), 2, {S::eingestellt, 3}, 0, 1),
        ausserhalb("auftragBelegt", auftragswert(8, 1), 2, {S::auftrag, 8, 1}, 0, 1),
        ausserhalb("auftragAngenommen", auftragswert(3, 12), -1, {S::auftrag, 3, 12}, 0, 1),
        {"auftragRestminuten", int32(auftragswert(3, 15), -1),
         kaputt({S::auftrag, 3, 15}, B::wertKleinerAls, -1, 0)},
        ausserhalb("auftragUnterwegs", auftragswert(3, 16), 2, {S::auftrag, 3, 16}, 0, 1),
        ausserhalb("fahrerBelegt", fahrerFeld(6, 1), 2, {S::fahrer, 6, 1}, 0, 1),
        ausserhalb("fahrerUnterwegs", fahrerFeld(1, 3), 3, {S::fahrer, 1, 3}, 0, 1),
        {"fahrerRestminuten", int32(fahrerFeld(12, 4), -1),
         kaputt({S::fahrer, 12, 4}, B::wertKleinerAls, -1, 0)},
        ausserhalb("fahrerKandidatNull", fahrerFeld(1, 5), 0, {S::fahrer, 1, 5}, 1, 12),
        ausserhalb("fahrerKandidat13", fahrerFeld(3, 5), 13, {S::fahrer, 3, 5}, 1, 12),
        ausserhalb("fahrerErfahrungNull", fahrerFeld(4, 7), 0, {S::fahrer, 4, 7}, 1, 6),
        ausserhalb("fahrerErfahrung7", fahrerFeld(4, 7), 7, {S::fahrer, 4, 7}, 1, 6),
        ausserhalb("taxiBelegt", taxiFeld(9, 1), -1, {S::taxi, 9, 1}, 0, 1),
        ausserhalb("taxiUnterwegs", taxiFeld(2, 4), 2, {S::taxi, 2, 4}, 0, 1),
        {"taxiRestminuten", int32(taxiFeld(3, 5), -40),
         kaputt({S::taxi, 3, 5}, B::wertKleinerAls, -40, 0)},
        ausserhalb("taxiModellNull", taxiFeld(2, 6), 0, {S::taxi, 2, 6}, 1, 4),
        ausserhalb("taxiModellFuenf", taxiFeld(5, 6), 5, {S::taxi, 5, 6}, 1, 4),
        {"eingestelltOhneFahrer", int32(eingestelltFeld(5), 1),
         kaputt({S::eingestellt, 5}, B::eingestelltOhneFahrer, 5)},
        {"fahrerOhneEingestellt", int32(eingestelltFeld(9), 0),
         kaputt({S::eingestellt, 9}, B::fahrerNichtEingestellt, 3, 9)},
        {"kandidatDoppelt", int32(fahrerFeld(4, 5), 2),
         kaputt({S::fahrer, 4, 5}, B::kandidatSchonFahrer, 2, 1)},
        {"auftragsnummerDoppelt", int32(auftragswert(20, 5), 4),
         kaputt({S::auftrag, 20, 5}, B::nummerDoppelt, 4, 4)},
        {"belegtHinterDemEnde", int32(auftragswert(45, 1), 1),
         kaputt({S::auftrag, 45, 1}, B::belegtHinterEnde, 41)},
        {"belegtInDerLetztenZeile", int32(auftragswert(999, 1), 1),
         kaputt({S::auftrag, 999, 1}, B::belegtHinterEnde, 41)},
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

    EXPECT_EQ(ladeBild(b, ziel), GetParam().fehler);
    EXPECT_EQ(speicherbild(ziel), vorher);
    EXPECT_TRUE(ziel.auftraege == auftraegeVorher);
}

INSTANTIATE_TEST_SUITE_P(Laden, Beschaedigung, ::testing::ValuesIn(schaeden()),
                         [](const auto& info) { return info.param.name; });

// Values at the edge of what the game writes; each must load and save back byte for byte.
std::vector<Aenderung> grenzwerte() {
    return {
        {"bekanntheit300", int32(48, 300), {}},
        {"bekanntheit0", int32(48, 0), {}},
        {"image100", int32(52, 100), {}},
        {"imageMinus100", int32(52, -100), {}},
        {"untergrund20", int32(80, 20), {}},
        {"autoNull", int32(8, 0), {}},
        {"auto4", int32(8, 4), {}},
        {"fahrerNull", int32(20, 0), {}},
        {"fahrer12", int32(20, 12), {}},
        {"vermoegenNegativ", gleit(0, -1e12), {}},
        {"preiseNegativUndRiesig",
         [](Bild& b) {
             setzeDouble(b, 24, -3);
             setzeDouble(b, 32, 1e300);
         },
         {}},
        {"spielzeitJahr1", gleit(40, datumZeit(1, 1, 1)), {}},
        {"spielzeitEndeJahr9999", gleit(40, datumZeit(9999, 12, 31, 23, 59, 59, 999)), {}},
        {"abholzeitGanzzahlImLebendenAuftrag",
         [](Bild& b) {
             setzeBytes(b, auftragsfeld(4, 2) + 4, 3, 2);
             setzeDouble(b, auftragswert(4, 2), 0);
         },
         {}},
        {"restminutenGross", int32(auftragswert(3, 15), std::numeric_limits<int32_t>::max()), {}},
        {"leererTaxiplatzOhneModell",
         [](Bild& b) {
             setzeInt32(b, taxiFeld(8, 6), 0);
             setzeInt32(b, taxiFeld(9, 6), 77);
         },
         {}},
        {"entlassenerFahrerBehaeltDaten", int32(fahrerFeld(2, 7), 0), {}},
        {"leererFahrerplatzMitDoppeltemKandidaten", int32(fahrerFeld(2, 5), 2), {}},
        {"nummerEinesLebendenInGeraeumterZeile", int32(auftragswert(2, 5), 4), {}},
        {"textMit29Zeichen",
         [](Bild& b) {
             b[auftragsfeld(6, 3)] = 29;
             std::fill_n(b.begin() + static_cast<std::ptrdiff_t>(auftragsfeld(6, 3) + 1), 29, 'q');
         },
         {}},
        {"volleTabelle",
         [](Bild& b) {
             for (int r = 41; r <= 999; ++r) {
                 setzeInt32(b, auftragswert(r, 1), 1);
                 setzeInt32(b, auftragswert(r, 5), 1000 + r);
             }
         },
         {}},
    };
}

class Grenzwert : public ::testing::TestWithParam<Aenderung> {};

TEST_P(Grenzwert, WirdAngenommenUndGleichGespeichert) {
    Bild b = mitte();
    GetParam().aendern(b);
    ASSERT_NE(b, mitte());
    Spielstand ziel = startStand();
    ASSERT_TRUE(ladeBild(b, ziel).leer());
    EXPECT_EQ(speicherbild(ziel), b);
}

INSTANTIATE_TEST_SUITE_P(Laden, Grenzwert, ::testing::ValuesIn(grenzwerte()),
                         [](const auto& info) { return info.param.name; });

// Bytes of no meaning may hold anything; saving writes them as zeros again.
std::vector<Aenderung> bedeutungslos() {
    return {
        {"reserviert",
         [](Bild& b) { setzeBytes(b, auftragsfeld(3, 7) + 6, 0xFFFFFFFFFFFF, 6); },
         {}},
        {"hinterGanzzahl", int32(auftragsfeld(3, 7) + 16, -1), {}},
        {"hinterText", byte(auftragsfeld(6, 4) + 29, 0x81), {}},
        {"direktHinterText",
         [](Bild& b) {
             const std::size_t feld = auftragsfeld(6, 4);
             b.at(feld + 1 + b.at(feld)) = 0x81;
         },
         {}},
        {"hinterLeeremText", byte(auftragsfeld(700, 3) + 1, 'x'), {}},
    };
}

class Bedeutungslos : public ::testing::TestWithParam<Aenderung> {};

TEST_P(Bedeutungslos, WirdIgnoriertUndAlsNullGeschrieben) {
    Bild b = mitte();
    GetParam().aendern(b);
    ASSERT_NE(b, mitte());
    Spielstand ziel = startStand();
    ASSERT_TRUE(ladeBild(b, ziel).leer());
    EXPECT_EQ(speicherbild(ziel), mitte());
}

INSTANTIATE_TEST_SUITE_P(Laden, Bedeutungslos, ::testing::ValuesIn(bedeutungslos()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
