// "Spiel starten": the starting values whatever the state held before, and the two price texts.
#include "sim/neuesspiel.h"

#include <gtest/gtest.h>

#include "speicherbeispiel.h"
#include "testanzeige.h"

using namespace kabrolux;
using namespace kabrolux::test;

TEST(NeuesSpiel, StartwerteUndBanktexte) {
    TestSpiel t(false);
    EXPECT_EQ(t.s.spiellaeuft, 0);
    EXPECT_DOUBLE_EQ(t.s.spielzeit, t.zeit.lokal);
    t.s = mittleresSpiel();  // a game in full swing before
    t.s.taxen[12].belegt = t.s.fahrer[12].belegt = 1;
    t.s.aktien[6].stueck = 5;
    const DatumZeit zeit = t.s.spielzeit;
    ASSERT_TRUE(neuesSpiel(t.spiel, 50000, "3", "1,2"));
    EXPECT_EQ(t.s.spiellaeuft, 1);
    EXPECT_DOUBLE_EQ(t.s.spielzeit, zeit);
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 50000);
    EXPECT_DOUBLE_EQ(t.s.grundpreis, 3);
    EXPECT_DOUBLE_EQ(t.s.kilometerpreis, 1.2);
    EXPECT_EQ(t.anzeige.geld.back(), (Geld{50000}));
    for (int32_t zaehler : {t.s.auftragsnummer, t.s.taxinummer, t.s.fahrernummer})
        EXPECT_EQ(zaehler, 1);
    for (int32_t null : {t.s.untergrundansehen, t.s.angenommeneauftraege, t.s.erledigteauftraege,
                         t.s.schulden, t.s.bekanntheit, t.s.image})
        EXPECT_EQ(null, 0);
    for (const Auftrag& a : t.s.auftraege)
        ASSERT_EQ(a, Auftrag{});
    for (int k = 1; k <= kSlots; ++k) {
        EXPECT_EQ(t.s.taxen[k].belegt, 0) << k;
        EXPECT_EQ(t.s.fahrer[k].belegt, 0) << k;
        EXPECT_EQ(t.s.eingestellt[k], 0) << k;
    }
    for (int k = 0; k < kAktien; ++k) {
        EXPECT_EQ(t.bank.kurs[k], (Kurswert{Kurswert::Art::start, 100}));
        EXPECT_EQ(t.bank.vor6[k], Kurswert{});
        EXPECT_EQ(t.bank.vor12[k], Kurswert{});
        EXPECT_EQ(t.bank.depot[k], (Depotwert{0, false}));
        EXPECT_EQ(t.s.aktien[k + 1], (Aktie{0, 0, 100}));
    }
    EXPECT_TRUE(t.uhr.laeuft());
}

TEST(NeuesSpiel, FalscherPreisStopptMitMeldung) {
    TestSpiel t(false);
    t.s.erledigteauftraege = 5;
    EXPECT_FALSE(neuesSpiel(t.spiel, 50000, "3", "1.2"));
    EXPECT_EQ(t.anzeige.meldungen.back(),
              Meldung::laufzeit("'1.2' is not a valid floating point value"));
    EXPECT_EQ(t.s.erledigteauftraege, 0);
    EXPECT_DOUBLE_EQ(t.s.grundpreis, 3);  // taken before the bad field
    EXPECT_EQ(t.s.spiellaeuft, 0);
    EXPECT_FALSE(t.uhr.laeuft());
    EXPECT_FALSE(neuesSpiel(t.spiel, 30000, "", "1,2"));
    EXPECT_EQ(t.anzeige.meldungen.back(),
              Meldung::laufzeit("'' is not a valid floating point value"));
    EXPECT_TRUE(neuesSpiel(t.spiel, 30000, "3", "1,2"));
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 30000);
}

TEST(NeuesSpiel, OhneStartkapitalBleibtDasGeld) {
    TestSpiel t(false);
    t.s.vermoegen = 1234.5;
    ASSERT_TRUE(neuesSpiel(t.spiel, 0, "3", "1,2"));
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 1234.5);
    EXPECT_EQ(t.anzeige.geld.back(), (Geld{1234.5}));
}
