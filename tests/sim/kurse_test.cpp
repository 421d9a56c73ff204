#include <gtest/gtest.h>

#include "sim/kurse.h"
#include "testanzeige.h"

using namespace kabrolux;
using namespace kabrolux::test;

TEST(Aktien, KursNieUnterEins) {
    TestSpiel t;
    // the first three shares fall by 3
    t.zeit.ms = suchMs({Zug::gleich(7, 0), Zug::gleich(7, 0), Zug::gleich(7, 0)});
    t.s.aktien[1].kurs = 2;
    t.s.aktien[2].kurs = 1;
    t.s.aktien[3].kurs = 3;
    aktienkurseberechnen(t.spiel);
    EXPECT_EQ(t.s.aktien[1].kurs, 1);
    EXPECT_EQ(t.s.aktien[2].kurs, 1);
    EXPECT_EQ(t.s.aktien[3].kurs, 1);
}

TEST(Aktien, VerlaufRuecktNachRechts) {
    TestSpiel t;
    aktienkurseberechnen(t.spiel);
    EXPECT_EQ(t.bank.vor6[0], (Kurswert{Kurswert::Art::start, 100}));
    EXPECT_EQ(t.bank.vor12[0], Kurswert{});
    EXPECT_EQ(t.bank.kurs[0], Kurswert::von(t.s.aktien[1].kurs));
    aktienkurseberechnen(t.spiel);
    EXPECT_EQ(t.bank.vor12[0], (Kurswert{Kurswert::Art::start, 100}));
    EXPECT_EQ(t.bank.depot[5], (Depotwert{0, false}));
}

TEST(Aktien, ZinsenNurMitSchulden) {
    TestSpiel t;
    aktienkurseberechnen(t.spiel);
    EXPECT_TRUE(t.anzeige.meldungen.empty());
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 50000);
    t.s.schulden = 10000;
    for (int i = 0; i < 4; ++i)
        aktienkurseberechnen(t.spiel);
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 49900);
    EXPECT_EQ(t.anzeige.geld.back(), (Geld{49900}));
    EXPECT_EQ(t.anzeige.meldungen[0], Meldung::von(Meldungsart::kreditzinsen, 0, 25));
}

// The interest is the nearest whole euro, halves to the even one; any debt pays, if only 0 €.
// (Debts off the 10 000 steps come only from a file.)
TEST(Aktien, ZinsenGerundet) {
    struct Fall {
        int32_t schulden, zinsen;
    };
    for (const Fall f : {Fall{600, 2}, Fall{1000, 2}, Fall{1, 0}, Fall{1400, 4}}) {
        TestSpiel t;
        t.s.schulden = f.schulden;
        aktienkurseberechnen(t.spiel);
        EXPECT_EQ(t.anzeige.meldungen,
                  std::vector<Meldung>{Meldung::von(Meldungsart::kreditzinsen, 0, f.zinsen)})
            << f.schulden;
        EXPECT_DOUBLE_EQ(t.s.vermoegen, 50000 - f.zinsen);
    }
}
