#include <gtest/gtest.h>

#include "sim/kurse.h"
#include "testanzeige.h"

using namespace kabrolux;
using namespace kabrolux::test;

TEST(Aktien, KursNieUnterEins) {
    TestSpiel t;
    t.zeit.ms = suchMs([](Zufall& z) { return z.Random(7) == 0; });
    t.s.aktien[1].kurs = 2;
    t.s.aktien[2].kurs = 1;
    aktienkurseberechnen(t.spiel);
    EXPECT_EQ(t.s.aktien[1].kurs, 1);
    EXPECT_GE(t.s.aktien[2].kurs, 1);
}

TEST(Aktien, VerlaufRuecktNachRechts) {
    TestSpiel t;
    aktienkurseberechnen(t.spiel);
    EXPECT_EQ(t.bank.vor6[0], "100.0");
    EXPECT_EQ(t.bank.vor12[0], "N/A");
    EXPECT_EQ(t.bank.kurs[0], std::to_string(t.s.aktien[1].kurs));
    aktienkurseberechnen(t.spiel);
    EXPECT_EQ(t.bank.vor12[0], "100.0");
    EXPECT_EQ(t.bank.depot[5], "0 Stk.");
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
    EXPECT_EQ(t.anzeige.meldungen[0],
              "Die Kreditzinsen von 25 € werden jetzt an die Bank gezahlt.");
}
