#include <gtest/gtest.h>

#include "testanzeige.h"

using namespace kabrolux;
using namespace kabrolux::test;

TEST(Autohaendler, KaufUndNummern) {
    TestSpiel t;
    t.s.vermoegen = 200000;
    t.s.aktuellesauto = 4;
    EXPECT_TRUE(t.spiel.autoKaufen());
    EXPECT_EQ(t.s.taxen[1], (Taxi{1, 50000, 0, 0, 0, 4, 1}));
    EXPECT_EQ(t.anzeige.geld.back(), "Vermögen: 150000 €");
    t.s.aktuellesauto = 1;
    t.spiel.autoKaufen();
    t.spiel.autoKaufen();
    EXPECT_EQ(t.s.taxen[2].nummer, 2);
    EXPECT_EQ(t.s.taxen[3].nummer, 3);
    EXPECT_EQ(t.s.taxinummer, 4);
}

TEST(Autohaendler, BlaetternBleibtImKatalog) {
    TestSpiel t;
    t.s.aktuellesauto = 1;
    EXPECT_FALSE(t.spiel.autoZurueck());
    EXPECT_EQ(t.s.aktuellesauto, 1);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(t.spiel.autoVor());
    EXPECT_FALSE(t.spiel.autoVor());
    EXPECT_EQ(t.s.aktuellesauto, 4);
    t.s.aktuellesauto = 77;  // a damaged value comes back into the catalogue
    EXPECT_TRUE(t.spiel.autoZurueck());
    EXPECT_EQ(t.s.aktuellesauto, 4);
}

TEST(Autohaendler, GeldGenauGleichPreis) {
    TestSpiel t;
    t.s.vermoegen = 20000;
    t.s.aktuellesauto = 1;
    EXPECT_TRUE(t.spiel.autoKaufen());
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 0);
    EXPECT_FALSE(t.spiel.autoKaufen());  // silent refusal
    EXPECT_TRUE(t.anzeige.meldungen.empty());
    EXPECT_EQ(t.s.taxinummer, 2);
}

TEST(Autohaendler, DreizehntesTaxi) {
    TestSpiel t;
    t.s.vermoegen = 1e7;
    t.s.aktuellesauto = 2;
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(t.spiel.autoKaufen());
    const auto vorher = t.s.taxen;
    bool liefWaehrendDerMeldung = true;
    t.anzeige.beiMeldung = [&] { liefWaehrendDerMeldung = t.spiel.uhr.laeuft(); };
    EXPECT_FALSE(t.spiel.autoKaufen());
    EXPECT_EQ(t.anzeige.meldungen.back(), "Mehr als 12 Taxen zu besitzen sind nicht möglich.");
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 1e7 - 12 * 30000);
    EXPECT_EQ(t.s.taxinummer, 13);
    EXPECT_TRUE(t.s.taxen == vorher);
    EXPECT_FALSE(liefWaehrendDerMeldung);
    EXPECT_TRUE(t.spiel.uhr.laeuft());
}

TEST(Autohaendler, UhrBleibtGestoppt) {
    TestSpiel t;
    t.s.aktuellesauto = 1;
    t.spiel.uhr.ausschalten();
    t.spiel.autoKaufen();
    EXPECT_FALSE(t.spiel.uhr.laeuft());
    t.spiel.uhr.einschalten();
    t.spiel.autoKaufen();
    EXPECT_TRUE(t.spiel.uhr.laeuft());
    t.s.aktuellesauto = 9;  // damaged value: nothing is bought
    EXPECT_FALSE(t.spiel.autoKaufen());
}
