#include "state/speicherdatei.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "speicherbeispiel.h"
#include "state/datum.h"

using namespace kabrolux;
using namespace kabrolux::test;

namespace {

Bild ausschnitt(const Bild& b, std::size_t pos, std::size_t n) {
    return Bild(b.begin() + static_cast<std::ptrdiff_t>(pos),
                b.begin() + static_cast<std::ptrdiff_t>(pos + n));
}

}  // namespace

TEST(Speicherbild, NeuesSpielBeginntMitFuenfzigtausendUndSechzehn) {
    const Bild b = speicherbild(startStand());
    ASSERT_EQ(b.size(), 380496u);
    EXPECT_EQ(ausschnitt(b, 0, 8), (Bild{0x00, 0x00, 0x00, 0x00, 0x00, 0x6A, 0xE8, 0x40}));
    EXPECT_EQ(doubleAn(b, 0), 50000.0);
    EXPECT_EQ(int32An(b, 204), 16);
    EXPECT_EQ(int32An(b, 16), 1);                  // spiellaeuft
    EXPECT_EQ(int32An(b, 68), 1);                  // auftragsnummer
    EXPECT_EQ(int32An(b, aktienFeld(6, 3)), 100);  // kurs
    // An emptied order field: integer 0, nothing else.
    Bild leer(20, 0);
    leer[0] = 0x10;
    leer[4] = 0x03;
    EXPECT_EQ(ausschnitt(b, auftragsfeld(999, 18), 20), leer);
}

TEST(Speicherbild, TextsatzKino) {
    Spielstand s = startStand();
    s.auftraege[1].abholort = "Kino";
    const Bild b = speicherbild(s);
    Bild erwartet(30, 0);
    erwartet[0] = 4;
    erwartet[1] = 'K';
    erwartet[2] = 'i';
    erwartet[3] = 'n';
    erwartet[4] = 'o';
    EXPECT_EQ(ausschnitt(b, 204 + 70, 30), erwartet);
}

TEST(Speicherbild, UmlauteUndEuroInWindows1252) {
    Spielstand s = startStand();
    s.auftraege[2].kunde = "Herrn Krüger";
    s.auftraege[2].abholort = "Straße 5 €";
    const Bild b = speicherbild(s);
    EXPECT_EQ(ausschnitt(b, auftragsfeld(2, 3), 13),
              (Bild{12, 'H', 'e', 'r', 'r', 'n', ' ', 'K', 'r', 0xFC, 'g', 'e', 'r'}));
    EXPECT_EQ(ausschnitt(b, auftragsfeld(2, 4), 11),
              (Bild{10, 'S', 't', 'r', 'a', 0xDF, 'e', ' ', '5', ' ', 0x80}));

    Spielstand z = startStand();
    ASSERT_TRUE(ladeBild(b, z).leer());
    EXPECT_EQ(z.auftraege[2].kunde, "Herrn Krüger");
    EXPECT_EQ(z.auftraege[2].abholort, "Straße 5 €");
}

TEST(Speicherbild, AbholzeitAlsDatumOderGanzzahl) {
    Spielstand s = startStand();
    const DatumZeit t = datumZeit(2026, 12, 7, 14, 5);
    s.auftraege[1].abholzeit = Abholzeit::zeit(t);
    s.auftraege[2].abholzeit = Abholzeit::ganzzahl(0);
    const Bild b = speicherbild(s);
    EXPECT_EQ(int32An(b, auftragsfeld(1, 2)), 16);
    EXPECT_EQ(leBytes(b, auftragsfeld(1, 2) + 4, 2), 7u);
    EXPECT_EQ(leBytes(b, auftragsfeld(1, 2) + 6, 6), 0u);
    EXPECT_EQ(doubleAn(b, auftragswert(1, 2)), t);
    EXPECT_EQ(leBytes(b, auftragsfeld(2, 2) + 4, 2), 3u);
    EXPECT_EQ(leBytes(b, auftragswert(2, 2), 8), 0u);
}

TEST(Speicherbild, LageDerEinzelwerte) {
    struct Ganzzahl {
        int32_t Spielstand::*feld;
        std::size_t pos;
        int32_t wert;
    };
    const Ganzzahl ganz[] = {
        {&Spielstand::aktuellesauto, 8, 3},        {&Spielstand::schulden, 12, 40000},
        {&Spielstand::spiellaeuft, 16, 1},         {&Spielstand::aktuellerfahrer, 20, 11},
        {&Spielstand::bekanntheit, 48, 250},       {&Spielstand::image, 52, -42},
        {&Spielstand::fahrernummer, 56, 17},       {&Spielstand::attraktivitaet, 60, -77},
        {&Spielstand::taxinummer, 64, 9},          {&Spielstand::auftragsnummer, 68, 123456},
        {&Spielstand::erledigteauftraege, 72, 99}, {&Spielstand::angenommeneauftraege, 76, 101},
        {&Spielstand::untergrundansehen, 80, 19}};
    const std::tuple<double Spielstand::*, std::size_t, double> gleit[] = {
        {&Spielstand::vermoegen, 0, -1234.25},
        {&Spielstand::grundpreis, 24, 2.5},
        {&Spielstand::kilometerpreis, 32, 0.75},
        {&Spielstand::spielzeit, 40, 46363.5}};
    Spielstand s = startStand();
    for (const Ganzzahl& g : ganz)
        s.*g.feld = g.wert;
    for (const auto& [feld, pos, wert] : gleit)
        s.*feld = wert;
    const Bild b = speicherbild(s);
    for (const Ganzzahl& g : ganz)
        EXPECT_EQ(int32An(b, g.pos), g.wert) << g.pos;
    for (const auto& [feld, pos, wert] : gleit)
        EXPECT_EQ(doubleAn(b, pos), wert) << pos;
}

TEST(Speicherbild, LageDerTabellen) {
    Spielstand s = startStand();
    for (int k = 1; k <= 12; ++k) {
        s.eingestellt[k] = k % 2;
        s.fahrer[k] = Fahrer{k % 2, 100 + k, 200 + k, 300 + k, 400 + k, 500 + k, 600 + k};
        s.taxen[k] = Taxi{1, 700 + k, 800 + k, 900 + k, 1000 + k, 1100 + k, 1200 + k};
    }
    for (int a = 1; a <= 6; ++a)
        s.aktien[a] = Aktie{10 * a + 1, 10 * a + 2, 10 * a + 3};
    const Bild b = speicherbild(s);
    for (int k = 1; k <= 12; ++k) {
        EXPECT_EQ(int32An(b, eingestelltFeld(k)), k % 2);
        EXPECT_EQ(int32An(b, fahrerFeld(k, 1)), k % 2);
        EXPECT_EQ(int32An(b, taxiFeld(k, 1)), 1);
        for (int f = 2; f <= 7; ++f) {
            EXPECT_EQ(int32An(b, fahrerFeld(k, f)), 100 * (f - 1) + k) << k << "/" << f;
            EXPECT_EQ(int32An(b, taxiFeld(k, f)), 100 * (f + 5) + k) << k << "/" << f;
        }
    }
    for (int a = 1; a <= 6; ++a)
        for (int f = 1; f <= 3; ++f)
            EXPECT_EQ(int32An(b, aktienFeld(a, f)), 10 * a + f);
}

TEST(Speicherbild, LageDerAuftragsfelder) {
    Spielstand s = startStand();
    Auftrag& a = s.auftraege[999];
    int32_t* felder[] = {&a.nummer,    &a.fahrzeit,     &a.einnahmen,   &a.imagebonus,
                         &a.kilometer, &a.unfallwurf,   &a.kennziffer,  &a.angenommen,
                         &a.reserve,   &a.taxinr,       &a.restminuten, &a.unterwegs,
                         &a.abschluss, &a.sonderauftrag};
    int wert = 5;
    for (int32_t* f : felder)
        *f = 1000 + wert++;
    a.belegt = 1;
    const Bild b = speicherbild(s);
    EXPECT_EQ(int32An(b, auftragswert(999, 1)), 1);
    for (int f = 5; f <= 18; ++f) {
        EXPECT_EQ(int32An(b, auftragsfeld(999, f)), 16);
        EXPECT_EQ(int32An(b, auftragswert(999, f)), 1000 + f);
    }
    EXPECT_EQ(auftragsfeld(999, 18) + 20, 379824u);
}

TEST(Speicherbild, ZuLangerTextWirdNach29ZeichenGekuerzt) {
    Spielstand s = startStand();
    s.auftraege[1].kunde = std::string(35, 'x') + "ä";
    s.auftraege[1].abholort = std::string(28, 'y') + "äö";
    const Bild b = speicherbild(s);
    EXPECT_EQ(b[auftragsfeld(1, 3)], 29);
    EXPECT_EQ(b[auftragsfeld(1, 4)], 29);
    EXPECT_EQ(b[auftragsfeld(1, 4) + 29], 0xE4);
    Spielstand z = startStand();
    ASSERT_TRUE(ladeBild(b, z).leer());
    EXPECT_EQ(z.auftraege[1].kunde, std::string(29, 'x'));
    EXPECT_EQ(z.auftraege[1].abholort, std::string(28, 'y') + "ä");
}

TEST(Speicherbild, FremdeZeichenWerdenZuFragezeichen) {
    Spielstand s = startStand();
    s.auftraege[1].kunde = "Ωmega 🚕 → ok→";  // two, three and four bytes, one at the end
    s.auftraege[1].abholort =
        "a\xff"
        "b\xc3";  // broken UTF-8, cut off at the end
    Spielstand z = startStand();
    ASSERT_TRUE(ladeBild(speicherbild(s), z).leer());
    EXPECT_EQ(z.auftraege[1].kunde, "?mega ? ? ok?");
    EXPECT_EQ(z.auftraege[1].abholort, "a?b?");
}

TEST(Laden, MittleresSpielKommtGenauZurueck) {
    const Spielstand quelle = mittleresSpiel();
    const Bild b = speicherbild(quelle);
    Spielstand ziel = startStand();  // differs from the source in every saved value
    ASSERT_TRUE(ladeBild(b, ziel).leer());
    EXPECT_EQ(speicherbild(ziel), b);  // each value's place is pinned by the Lage tests
    EXPECT_TRUE(ziel.auftraege == quelle.auftraege);
    // The sample really holds what the round trip is meant to cover.
    EXPECT_TRUE(ziel.auftraege[4].abholzeit.istZeit());
    EXPECT_FALSE(ziel.auftraege[1].abholzeit.istZeit());
    EXPECT_EQ(ziel.auftraege[9].sonderauftrag, 3);
    EXPECT_EQ(ziel.auftraege[6].kunde, "Herrn Krüger");
    EXPECT_EQ(ziel.auftraege[6].abholort, "Restaurant 'Zum Hirsch'");
}

TEST(Laden, JedesDefinierteZeichenKommtZurueck) {
    Bild b = speicherbild(mittleresSpiel());
    Bild zeichen;
    for (int c = 0; c < 256; ++c)
        if (c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D) zeichen.push_back(c);
    // Nine text records of the never-used rows take 251 characters, 28 or 29 at a time.
    for (std::size_t i = 0, r = 100; i < zeichen.size(); ++r) {
        const std::size_t n = std::min<std::size_t>(29, zeichen.size() - i);
        b[auftragsfeld(static_cast<int>(r), 3)] = static_cast<uint8_t>(n);
        std::copy_n(
            zeichen.begin() + static_cast<std::ptrdiff_t>(i), n,
            b.begin() + static_cast<std::ptrdiff_t>(auftragsfeld(static_cast<int>(r), 3) + 1));
        i += n;
    }
    Spielstand z = startStand();
    ASSERT_TRUE(ladeBild(b, z).leer());
    // Row 104 holds 0x74 to 0x7F, then 0x80, the euro sign.
    EXPECT_EQ(z.auftraege[104].kunde.substr(0, 15), "tuvwxyz{|}~\x7f€");
    EXPECT_EQ(speicherbild(z), b);
}
