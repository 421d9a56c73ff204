#include <gtest/gtest.h>

#include "economy/autohaendler.h"
#include "testanzeige.h"

using namespace kabrolux;
using namespace kabrolux::test;

TEST(Autohaendler, KaufUndNummern) {
    TestSpiel t;
    t.s.vermoegen = 200000;
    t.s.aktuellesauto = 4;
    EXPECT_TRUE(autoKaufen(t.spiel));
    EXPECT_EQ(t.s.taxen[1], (Taxi{1, 50000, 0, 0, 0, 4, 1}));
    EXPECT_EQ(t.anzeige.geld.back(), (Geld{150000}));
    t.s.aktuellesauto = 1;
    autoKaufen(t.spiel);
    autoKaufen(t.spiel);
    EXPECT_EQ(t.s.taxen[2].nummer, 2);
    EXPECT_EQ(t.s.taxen[3].nummer, 3);
    EXPECT_EQ(t.s.taxinummer, 4);
}

TEST(Autohaendler, BlaetternBleibtImKatalog) {
    TestSpiel t;
    t.s.aktuellesauto = 3;
    autohaendlerOeffnen(t.spiel);
    EXPECT_EQ(t.s.aktuellesauto, 1);
    EXPECT_FALSE(autoZurueck(t.spiel));
    EXPECT_EQ(t.s.aktuellesauto, 1);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(autoVor(t.spiel));
    EXPECT_FALSE(autoVor(t.spiel));
    EXPECT_EQ(t.s.aktuellesauto, 4);
    t.s.aktuellesauto = 77;  // a damaged value comes back into the catalogue
    EXPECT_TRUE(autoZurueck(t.spiel));
    EXPECT_EQ(t.s.aktuellesauto, 4);
}

TEST(Autohaendler, GeldGenauGleichPreis) {
    TestSpiel t;
    t.s.vermoegen = 20000;
    t.s.aktuellesauto = 1;
    EXPECT_TRUE(autoKaufen(t.spiel));
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 0);
    EXPECT_FALSE(autoKaufen(t.spiel));  // silent refusal
    EXPECT_TRUE(t.anzeige.meldungen.empty());
    EXPECT_EQ(t.s.taxinummer, 2);
}

TEST(Autohaendler, DreizehntesTaxi) {
    TestSpiel t;
    t.s.vermoegen = 1e7;
    t.s.aktuellesauto = 2;
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(autoKaufen(t.spiel));
    const auto vorher = t.s.taxen;
    bool liefWaehrendDerMeldung = true;
    t.anzeige.beiMeldung = [&] { liefWaehrendDerMeldung = t.uhr.laeuft(); };
    EXPECT_FALSE(autoKaufen(t.spiel));
    EXPECT_EQ(t.anzeige.meldungen.back(), Meldung::von(Meldungsart::taxenVoll));
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 1e7 - 12 * 30000);
    EXPECT_EQ(t.s.taxinummer, 13);
    EXPECT_TRUE(t.s.taxen == vorher);
    EXPECT_FALSE(liefWaehrendDerMeldung);
    EXPECT_TRUE(t.uhr.laeuft());
}

TEST(Autohaendler, UhrBleibtGestoppt) {
    TestSpiel t;
    t.s.aktuellesauto = 1;
    t.uhr.ausschalten();
    autoKaufen(t.spiel);
    EXPECT_FALSE(t.uhr.laeuft());
    t.uhr.einschalten();
    autoKaufen(t.spiel);
    EXPECT_TRUE(t.uhr.laeuft());
    t.s.aktuellesauto = 9;  // damaged value: nothing is bought
    EXPECT_FALSE(autoKaufen(t.spiel));
}
