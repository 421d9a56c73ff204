#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "economy/autohaendler.h"
#include "economy/bank.h"
#include "sim/kurse.h"
#include "sim/neuesspiel.h"
#include "testanzeige.h"

using namespace kabrolux;
using namespace kabrolux::test;

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

// A game started with 30 000 € and the default prices.
struct Bank30000 : TestSpiel {
    Bank30000() : TestSpiel(false) { neuesSpiel(spiel, 30000, "3", "1,2"); }
};

}  // namespace

TEST(Bank, KreditBisZumLimit) {
    Bank30000 t;
    Bankzahlen z = bankZeichnen(t.spiel);
    EXPECT_EQ(z, (Bankzahlen{30000, 0, 60000}));  // money, debt, credit limit

    EXPECT_TRUE(kreditAufnehmen(t.spiel, 40000));
    EXPECT_EQ(t.s.schulden, 40000);
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 70000);
    EXPECT_EQ(t.anzeige.geld.back(), (Geld{70000}));

    z = bankZeichnen(t.spiel);
    EXPECT_EQ(t.lauf.kreditlimit, 60000);
    EXPECT_EQ(z, (Bankzahlen{70000, 40000, 60000}));
    const size_t geldVorher = t.anzeige.geld.size();
    EXPECT_FALSE(kreditAufnehmen(t.spiel, 40000));
    ASSERT_EQ(t.anzeige.meldungen.size(), 1u);
    EXPECT_EQ(t.anzeige.meldungen[0], Meldung::von(Meldungsart::kreditlimitErreicht));
    EXPECT_EQ(t.s.schulden, 40000);
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 70000);
    EXPECT_EQ(t.anzeige.geld.size(), geldVorher);
}

TEST(Bank, KreditGenauAufDasLimitWirdGewaehrt) {
    Bank30000 t;
    bankZeichnen(t.spiel);
    ASSERT_TRUE(kreditAufnehmen(t.spiel, 40000));
    bankZeichnen(t.spiel);
    EXPECT_TRUE(kreditAufnehmen(t.spiel, 20000));  // 60 000 = the limit
    EXPECT_EQ(t.s.schulden, 60000);
    bankZeichnen(t.spiel);
    EXPECT_EQ(t.lauf.kreditlimit, 60000);
    EXPECT_FALSE(kreditAufnehmen(t.spiel, 10000));
    EXPECT_EQ(t.s.schulden, 60000);
}

TEST(Bank, KreditNimmtDasLimitDerLetztenZeichnung) {
    Bank30000 t;
    EXPECT_EQ(t.lauf.kreditlimit, 0);  // never drawn yet
    EXPECT_FALSE(kreditAufnehmen(t.spiel, 10000));
    bankZeichnen(t.spiel);
    EXPECT_TRUE(kreditAufnehmen(t.spiel, 10000));
}

TEST(Bank, TaxikaufLaesstDasLimitGleich) {
    Bank30000 t;
    bankZeichnen(t.spiel);
    const int32_t vorher = t.lauf.kreditlimit;
    t.s.aktuellesauto = 1;
    ASSERT_TRUE(autoKaufen(t.spiel));
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 10000);
    bankZeichnen(t.spiel);
    EXPECT_EQ(t.lauf.kreditlimit, vorher);
    // A taxi on a trip counts the same.
    t.s.taxen[1].unterwegs = 1;
    EXPECT_EQ(kreditlimitVon(t.s), vorher);
}

TEST(Bank, LimitZaehltJedenSlotUndRundetZumGeraden) {
    Bank30000 t;
    t.s.vermoegen = 0.5;
    EXPECT_EQ(kreditlimitVon(t.s), 0);
    t.s.vermoegen = 1.5;
    EXPECT_EQ(kreditlimitVon(t.s), 4);
    t.s.vermoegen = -2.5;
    t.s.taxen[12].preis = 30000;  // an emptied slot keeps its price after a new game
    EXPECT_EQ(kreditlimitVon(t.s), 2 * (30000 - 2));
    t.s.schulden = 40000;
    EXPECT_EQ(kreditlimitVon(t.s), 2 * (30000 - 2 - 40000));
}

TEST(Bank, LimitIn64BitGesaettigt) {
    Bank30000 t;
    t.s.vermoegen = 2.5e9;
    t.s.schulden = 2000000000;
    EXPECT_EQ(kreditlimitVon(t.s), 1000000000);  // money counted beyond the int32 range
    t.s.schulden = 0;
    EXPECT_EQ(kreditlimitVon(t.s), kMax);
    t.s.vermoegen = 1e300;
    EXPECT_EQ(kreditlimitVon(t.s), kMax);
    t.s.vermoegen = -1e300;
    EXPECT_EQ(kreditlimitVon(t.s), kMin);
    t.s.vermoegen = 0;
    for (Taxi& taxi : t.s.taxen)
        taxi.preis = kMax;
    EXPECT_EQ(kreditlimitVon(t.s), kMax);
    t.s.vermoegen = std::numeric_limits<double>::quiet_NaN();
    for (Taxi& taxi : t.s.taxen)
        taxi.preis = 0;
    EXPECT_EQ(kreditlimitVon(t.s), 0);
}

TEST(Bank, KreditLaeuftNichtUeber) {
    Bank30000 t;
    t.s.vermoegen = 1e12;
    t.s.schulden = 2147480000;
    bankZeichnen(t.spiel);
    EXPECT_EQ(t.lauf.kreditlimit, kMax);
    EXPECT_FALSE(kreditAufnehmen(t.spiel, 10000));
    EXPECT_EQ(t.s.schulden, 2147480000);
    EXPECT_EQ(t.anzeige.meldungen.back(), Meldung::von(Meldungsart::kreditlimitErreicht));
}

TEST(Bank, TilgenNurMitGenugGeldUndSchulden) {
    Bank30000 t;
    t.s.vermoegen = 1e6;
    t.s.schulden = 10000;
    EXPECT_FALSE(kreditTilgen(t.spiel, 20000));
    EXPECT_EQ(t.s.schulden, 10000);
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 1e6);
    EXPECT_TRUE(t.anzeige.meldungen.empty());

    t.s.vermoegen = 9999.5;
    EXPECT_FALSE(kreditTilgen(t.spiel, 10000));
    t.s.vermoegen = 10000;
    EXPECT_TRUE(kreditTilgen(t.spiel, 10000));
    EXPECT_EQ(t.s.schulden, 0);
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 0);
    EXPECT_EQ(t.anzeige.geld.back(), (Geld{0}));
    EXPECT_TRUE(t.anzeige.meldungen.empty());
}

TEST(Bank, ZinsenNachEinemKredit) {
    Bank30000 t;
    bankZeichnen(t.spiel);
    ASSERT_TRUE(kreditAufnehmen(t.spiel, 40000));
    aktienkurseberechnen(t.spiel);
    EXPECT_EQ(t.anzeige.meldungen.back(), Meldung::von(Meldungsart::kreditzinsen, 0, 100));
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 69900);
    EXPECT_EQ(t.s.schulden, 40000);
}

TEST(Aktienhandel, ZehnAktienMitGenauTausendEuro) {
    Bank30000 t;
    t.s.vermoegen = 1000;
    const int kurseVorher = t.anzeige.kurse;
    EXPECT_TRUE(aktienKaufen(t.spiel, 3, "10"));
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 0);
    EXPECT_EQ(t.s.aktien[3].stueck, 10);
    EXPECT_EQ(t.bank.depot[2], (Depotwert{10, true}));
    EXPECT_EQ(t.bank.depot[0], (Depotwert{0, false}));
    EXPECT_EQ(t.anzeige.geld.back(), (Geld{0}));
    EXPECT_EQ(t.anzeige.kurse, kurseVorher + 1);

    EXPECT_FALSE(aktienKaufen(t.spiel, 3, "1"));
    EXPECT_EQ(t.s.aktien[3].stueck, 10);
    EXPECT_TRUE(t.anzeige.meldungen.empty());
}

TEST(Aktienhandel, KaufZahltNurGanzeEuro) {
    Bank30000 t;
    t.s.vermoegen = 999.999;
    EXPECT_FALSE(aktienKaufen(t.spiel, 1, "10"));
    t.s.vermoegen = 1000.5;
    EXPECT_TRUE(aktienKaufen(t.spiel, 1, "10"));
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 0.5);
}

TEST(Aktienhandel, AllesVerkaufenAberNichtMehr) {
    Bank30000 t;
    ASSERT_TRUE(aktienKaufen(t.spiel, 6, "7"));
    t.s.aktien[6].kurs = 130;
    EXPECT_FALSE(aktienVerkaufen(t.spiel, 6, "8"));
    EXPECT_EQ(t.s.aktien[6].stueck, 7);
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 29300);
    EXPECT_TRUE(aktienVerkaufen(t.spiel, 6, "7"));
    EXPECT_EQ(t.s.aktien[6].stueck, 0);
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 29300 + 910);
    EXPECT_EQ(t.bank.depot[5], (Depotwert{0, true}));
    EXPECT_EQ(t.anzeige.geld.back(), (Geld{30210}));
    EXPECT_TRUE(t.anzeige.meldungen.empty());
}

TEST(Aktienhandel, NachDerAktualisierungWiederStk) {
    Bank30000 t;
    ASSERT_TRUE(aktienKaufen(t.spiel, 2, "4"));
    EXPECT_EQ(t.bank.depot[1], (Depotwert{4, true}));
    aktienkurseberechnen(t.spiel);
    EXPECT_EQ(t.bank.depot[1], (Depotwert{4, false}));
}

// The quantity is read first: its message comes whether or not a share is chosen.
TEST(Aktienhandel, UngueltigeMengeZeigtIhreMeldung) {
    for (const char* text : {"", "   ", "zehn", "1.000", "1,2,3", "nan", "inf", "1e400", "1,5",
                             "1234567890123456789012345678901234567890", "2147483648"}) {
        Bank30000 t;
        const Spielstand vorher = t.s;
        const Kurstafel texte = t.bank;
        EXPECT_FALSE(aktienKaufen(t.spiel, 1, text));
        EXPECT_FALSE(aktienVerkaufen(t.spiel, 0, text));
        const Meldung meldung =
            Meldung::laufzeit(std::string("'") + text + "' is not a valid integer value");
        EXPECT_EQ(t.anzeige.meldungen, (std::vector<Meldung>{meldung, meldung}));
        EXPECT_DOUBLE_EQ(t.s.vermoegen, vorher.vermoegen);
        EXPECT_TRUE(t.s.aktien == vorher.aktien);
        EXPECT_EQ(t.bank.depot, texte.depot);
        EXPECT_TRUE(t.anzeige.geld.size() == 1u) << text;  // only the new game's
    }
}

TEST(Aktienhandel, NullUndWenigerTutNichts) {
    Bank30000 t;
    for (const char* text : {"0", "-0", "-5", "-2147483648"}) {
        EXPECT_FALSE(aktienKaufen(t.spiel, 1, text));
        EXPECT_FALSE(aktienVerkaufen(t.spiel, 1, text));
    }
    EXPECT_TRUE(t.anzeige.meldungen.empty());
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 30000);
    EXPECT_EQ(t.s.aktien[1].stueck, 0);
}

TEST(Aktienhandel, OhneGewaehlteAktieGeschiehtNichts) {
    Bank30000 t;
    for (int k : {0, -1, 7})
        for (const char* text : {"5", "0", "-3"}) {
            EXPECT_FALSE(aktienKaufen(t.spiel, k, text));
            EXPECT_FALSE(aktienVerkaufen(t.spiel, k, text));
        }
    EXPECT_TRUE(t.anzeige.meldungen.empty());
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 30000);
    EXPECT_EQ(t.anzeige.geld.size(), 1u);
}

TEST(Aktienhandel, GrosseMengenIn64Bit) {
    Bank30000 t;
    t.s.vermoegen = 1e12;
    EXPECT_TRUE(aktienKaufen(t.spiel, 5, "2000000000"));
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 1e12 - 2e11);
    EXPECT_EQ(t.bank.depot[4], (Depotwert{2000000000, true}));
    // The holding would leave the int32 range: refused, silently.
    EXPECT_FALSE(aktienKaufen(t.spiel, 5, "147483648"));
    EXPECT_TRUE(aktienKaufen(t.spiel, 5, "147483647"));
    EXPECT_EQ(t.s.aktien[5].stueck, kMax);
    EXPECT_TRUE(aktienVerkaufen(t.spiel, 5, "2147483647"));
    EXPECT_EQ(t.s.aktien[5].stueck, 0);
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 1e12);
    EXPECT_TRUE(t.anzeige.meldungen.empty());
}

TEST(Bank, Stufen) {
    ASSERT_EQ(kreditstufen.size(), 8u);
    // every step lends what its caption says: "20.000 €" is 20000
    for (const Kreditstufe& k : kreditstufen) {
        std::string ziffern;
        for (const char* c = k.text; *c != ' '; ++c)
            if (*c != '.') ziffern += *c;
        EXPECT_EQ(std::to_string(k.betrag), ziffern) << k.text;
    }
    EXPECT_STREQ(kreditstufen[0].text, "10.000 €");
    EXPECT_EQ(kreditstufen[0].betrag, 10000);
    EXPECT_STREQ(kreditstufen[4].text, "100.000 €");
    EXPECT_EQ(kreditstufen[4].betrag, 100000);
    EXPECT_STREQ(kreditstufen[7].text, "300.000 €");
    EXPECT_EQ(kreditstufen[7].betrag, 300000);
    EXPECT_STREQ(aktiennamen[5], "Pro 7");
    EXPECT_STREQ(aktiennamen[2], "Kabrolux");
}
