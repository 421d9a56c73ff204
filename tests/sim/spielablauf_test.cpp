#include <gtest/gtest.h>

#include "desk/posteingang.h"
#include "desk/taxisenden.h"
#include "economy/autohaendler.h"
#include "economy/personal.h"
#include "sim/takt.h"
#include "state/auftraege.h"
#include "state/texte.h"
#include "state/zahlen.h"
#include "testanzeige.h"

using namespace kabrolux;
using namespace kabrolux::test;

// A whole order cycle through the real tick: generated, accepted, sent, settled.
TEST(Spielablauf, VomAuftragZurAbrechnung) {
    TestSpiel t;
    t.s.spielzeit = datumZeit(2026, 12, 7, 10, 0, 0);
    t.s.vermoegen = 60000;
    t.s.aktuellesauto = 4;
    ASSERT_TRUE(autoKaufen(t.spiel));
    t.s.aktuellerfahrer = 3;  // experience 6
    fahrerEinstellen(t.spiel);

    // One tick: the decay and the order generation both reseed from this millisecond.
    t.zeit.ms = suchMs([](Zufall& z) {
        Zufall d = z;
        if (d.Random(2000) == 0) return false;
        return z.Random(131) == 0 && z.Random(24) != 0;
    });
    Zufall z;
    z.seed = t.zeit.ms;
    z.Random(131);
    z.Random(24);
    const int32_t bonus = z.Random(3);
    const int32_t zz = z.Random(30) + 10;
    const int32_t km = z.Random(120) + 1;
    const int32_t fahrzeit = km + z.Random(30) - 5;
    const int32_t einnahmen = Round(km * 1.2 + 3);

    Timer1Timer(t.spiel);
    const Auftrag& a = t.s.auftraege[1];
    ASSERT_EQ(a.belegt, 1);
    EXPECT_EQ(a.einnahmen, einnahmen);
    EXPECT_EQ(t.anzeige.hinweise.back(), "Neuer Auftrag im Posteingang");

    // Accept it in the inbox.
    auto zeilen = posteingangAufbauen(t.spiel);
    ASSERT_EQ(zeilen.size(), 1u);
    zeilen[0].haken = true;
    posteingangHaken(t.spiel, zeilen, 0);
    EXPECT_EQ(t.s.angenommeneauftraege, 1);

    // Send taxi 1 (model 4) with driver 1 (experience 6); the accident roll must not be 0.
    t.zeit.ms = suchMs([](Zufall& w) {
        w.Random(30);
        w.Random(4);
        return w.Random(90) != 0;
    });
    Zufall w;
    w.seed = t.zeit.ms;
    const int32_t spaet = w.Random(30);
    const int32_t zusatzbonus = w.Random(4);
    EXPECT_DOUBLE_EQ(a.abholzeit.alsZeit(), t.s.spielzeit + 1.0 / zz);
    const double minuten = (a.abholzeit.alsZeit() - t.s.spielzeit) * 1440 + spaet + fahrzeit;
    const int32_t m = std::max(0, Trunc(minuten));

    SendenListen l = sendenAufbauen(t.spiel);
    t.lauf.gewaehlterauftrag = 0;
    t.lauf.gewaehltestaxi = 0;
    t.lauf.gewaehlterfahrer = 0;
    taxiSenden(t.spiel, l);
    EXPECT_EQ(a.restminuten, m);
    EXPECT_EQ(a.imagebonus, bonus + zusatzbonus);

    // Tick on with a millisecond that brings no new order, until the trip is settled.
    t.zeit.ms = 43'200'000;
    int takte = 0;
    while (t.anzeige.meldungen.empty() && takte < 400) {
        Timer1Timer(t.spiel);
        ++takte;
    }
    EXPECT_EQ(takte, std::max(m, 1));
    ASSERT_EQ(t.anzeige.meldungen.size(), 1u);
    EXPECT_EQ(t.anzeige.meldungen[0],
              "Auftrag 1 hat ihnen " + std::to_string(einnahmen) + " € eingebracht.");
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 10000 + einnahmen);
    EXPECT_EQ(t.s.image, bonus + zusatzbonus);
    EXPECT_EQ(t.s.erledigteauftraege, 1);
    EXPECT_EQ(t.s.auftraege[1].abschluss, 2);
    EXPECT_EQ(t.s.taxen[1].unterwegs, 0);
    EXPECT_EQ(t.s.fahrer[1].unterwegs, 0);
    EXPECT_EQ(freieTaxenZeilen(t.s), std::vector<std::string>{"01: Taxi Variante 4"});
}

TEST(Spielablauf, HauptlistenZeigenLaufendeFahrten) {
    TestSpiel t;
    t.s.spielzeit = datumZeit(2026, 12, 7, 23, 0);
    Auftrag& a = t.s.auftraege[1];
    a.belegt = 1;
    a.nummer = 12;
    a.kilometer = 40;
    a.einnahmen = 51;
    a.unterwegs = 1;
    a.restminuten = 90;
    t.s.taxen[1] = Taxi{1, 20000, 0, 1, 90, 1, 7};
    t.s.taxen[2] = Taxi{1, 20000, 0, 0, 0, 2, 7};
    t.s.taxen[3] = Taxi{1, 20000, 0, 0, 0, 3, 12};
    const Hauptlisten l = hauptlisten(t.s);
    ASSERT_EQ(l.fahrten.size(), 1u);
    EXPECT_EQ(l.fahrten[0],
              "Auftrag 12 geht über 40 km und wird um 00:30 Uhr erledigt sein.Die Einnahmen "
              "werden 51 € betragen.");
    EXPECT_EQ(l.taxen, (std::vector<std::string>{"07: Taxi Variante 2", "12: Taxi Variante 3"}));

    TestSpiel vorher(false);
    vorher.s.auftraege[1] = a;
    EXPECT_TRUE(hauptlisten(vorher.s).fahrten.empty());
}
