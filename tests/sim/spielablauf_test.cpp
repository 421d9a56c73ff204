#include <gtest/gtest.h>

#include <algorithm>

#include "bausteine.h"
#include "desk/posteingang.h"
#include "desk/taxisenden.h"
#include "sim/takt.h"
#include "state/listen.h"
#include "testanzeige.h"

using namespace kabrolux;
using namespace kabrolux::test;

// A whole order cycle through the real tick: generated, accepted, sent, settled. The values of
// each step are pinned by the tests of its rule; here they have to carry through.
TEST(Spielablauf, VomAuftragZurAbrechnung) {
    TestSpiel t;
    gekauftesTaxi(t.s, 1, 4);
    eingestellterFahrer(t.s, 1, 3);  // experience 6

    // One tick: the decay and the order generation both reseed from this millisecond.
    t.zeit.ms = suchMs([](Zufall& z) {
        Zufall d = z;
        return d.Random(2000) != 0 && z.Random(131) == 0 && z.Random(24) != 0;
    });
    Timer1Timer(t.spiel);
    const Auftrag& a = t.s.auftraege[1];
    ASSERT_EQ(a.belegt, 1);
    const int32_t einnahmen = a.einnahmen;
    EXPECT_EQ(t.anzeige.neue.back(), a);

    auto zeilen = posteingangAufbauen(t.spiel);
    ASSERT_EQ(zeilen.size(), 1u);
    zeilen[0].haken = true;
    posteingangHaken(t.spiel, zeilen, 0);
    EXPECT_EQ(t.s.angenommeneauftraege, 1);

    // Taxi 1 (model 4) with driver 1; the accident roll must not be 0.
    t.zeit.ms = suchMs({Zug::beliebig(30), Zug::beliebig(4), Zug::nichtNull(90)});
    ersteZeilenSenden(t.spiel);
    ASSERT_EQ(a.unterwegs, 1);
    const int32_t minuten = a.restminuten, bonus = a.imagebonus;

    // Tick on with a millisecond that brings no new order, until the trip is settled.
    t.zeit.ms = 43'200'000;
    int takte = 0;
    while (t.anzeige.meldungen.empty() && takte < 400) {
        Timer1Timer(t.spiel);
        ++takte;
    }
    EXPECT_EQ(takte, std::max(minuten, 1));
    EXPECT_EQ(t.anzeige.meldungen,
              std::vector<Meldung>{Meldung::von(Meldungsart::fahrpreis, 1, einnahmen)});
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 50000 + einnahmen);
    EXPECT_EQ(t.s.image, bonus);
    EXPECT_EQ(t.s.erledigteauftraege, 1);
    EXPECT_EQ(a.abschluss, 2);
    EXPECT_EQ(t.s.taxen[1].unterwegs, 0);
    EXPECT_EQ(t.s.fahrer[1].unterwegs, 0);
    EXPECT_EQ(freieTaxenZeilen(t.s), (std::vector<Taxizeile>{{1, 4}}));
}

TEST(Spielablauf, HauptlistenZeigenLaufendeFahrten) {
    TestSpiel t;
    t.s.spielzeit = datumZeit(2026, 12, 7, 23, 0);
    Auftrag& a = fahrenderAuftrag(t.s, 1, 12, 90);
    a.kilometer = 40;
    a.einnahmen = 51;
    aufFahrt(gekauftesTaxi(t.s, 1, 1, 5), 90);
    gekauftesTaxi(t.s, 2, 2, 7);
    gekauftesTaxi(t.s, 3, 3, 12);
    const Hauptlisten l = hauptlisten(t.s);
    ASSERT_EQ(l.fahrten.size(), 1u);
    const Fahrtzeile& f = l.fahrten[0];
    EXPECT_EQ(f.nummer, 12);
    EXPECT_EQ(f.kilometer, 40);
    EXPECT_EQ(datumText(f.ende) + " " + zeitText(f.ende), "08.12.2026 00:30");
    EXPECT_EQ(f.einnahmen, 51);
    EXPECT_EQ(l.taxen, (std::vector<Taxizeile>{{7, 2}, {12, 3}}));

    TestSpiel vorher(false);
    vorher.s.auftraege[1] = a;
    EXPECT_TRUE(hauptlisten(vorher.s).fahrten.empty());
}
