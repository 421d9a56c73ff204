#include <gtest/gtest.h>

#include "economy/werbung.h"
#include "testanzeige.h"

using namespace kabrolux;
using namespace kabrolux::test;

TEST(Werbung, JedeArtKostetUndBringtIhrePunkte) {
    struct Art {
        int32_t kosten, punkte;
    };
    const Art arten[] = {{500, 10}, {1000, 25}, {2000, 55}, {4000, 120}, {8000, 260}};
    ASSERT_EQ(kWerbearten, 5);
    for (int art = 1; art <= kWerbearten; ++art) {
        const Art& a = arten[art - 1];
        EXPECT_EQ(werbearten[art - 1].kosten, a.kosten);
        EXPECT_EQ(werbearten[art - 1].punkte, a.punkte);
        TestSpiel t;
        EXPECT_TRUE(werbungKaufen(t.spiel, art));
        EXPECT_DOUBLE_EQ(t.s.vermoegen, 50000 - a.kosten);
        EXPECT_EQ(t.s.bekanntheit, a.punkte);
        EXPECT_EQ(t.anzeige.letzterBalken(Balken::bekanntheit), a.punkte);
    }
}

TEST(Werbung, BekanntheitHoertBei300Auf) {
    TestSpiel t;
    t.s.bekanntheit = 290;
    EXPECT_TRUE(werbungKaufen(t.spiel, 1));
    EXPECT_EQ(t.s.bekanntheit, 300);
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 49500);
    EXPECT_TRUE(werbungKaufen(t.spiel, 5));
    EXPECT_EQ(t.s.bekanntheit, 300);
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 41500);
    EXPECT_EQ(t.anzeige.geld.back(), (Geld{41500}));
    EXPECT_EQ(t.anzeige.letzterBalken(Balken::bekanntheit), 300);
}

TEST(Werbung, GenauGenugGeld) {
    TestSpiel t;
    t.s.vermoegen = 500;
    EXPECT_TRUE(werbungKaufen(t.spiel, 1));
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 0);
    EXPECT_EQ(t.anzeige.geld.back(), (Geld{0}));
}

TEST(Werbung, ZuWenigGeldAendertNichts) {
    TestSpiel t;
    t.s.vermoegen = 499;
    t.s.bekanntheit = 40;
    const size_t geld = t.anzeige.geld.size();
    const size_t balken = t.anzeige.balken.size();
    EXPECT_FALSE(werbungKaufen(t.spiel, 1));
    t.s.vermoegen = 7999.99;
    EXPECT_FALSE(werbungKaufen(t.spiel, 5));
    EXPECT_EQ(t.s.bekanntheit, 40);
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 7999.99);
    EXPECT_EQ(t.anzeige.geld.size(), geld);
    EXPECT_EQ(t.anzeige.balken.size(), balken);
    EXPECT_TRUE(t.anzeige.meldungen.empty());
}

TEST(Werbung, KeineArtKeinKauf) {
    TestSpiel t;
    t.s.vermoegen = 1e300;  // rich enough for whatever lies beside the table
    EXPECT_FALSE(werbungKaufen(t.spiel, 0));
    EXPECT_FALSE(werbungKaufen(t.spiel, -1));
    EXPECT_FALSE(werbungKaufen(t.spiel, 6));
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 1e300);
    EXPECT_EQ(t.s.bekanntheit, 0);
    t.s.vermoegen = 50000;
    t.s.bekanntheit = 2147483600;  // a damaged value must not overflow
    EXPECT_TRUE(werbungKaufen(t.spiel, 5));
    EXPECT_EQ(t.s.bekanntheit, 300);
}
