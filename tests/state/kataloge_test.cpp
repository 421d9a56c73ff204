#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "state/kataloge.h"

using namespace kabrolux;

TEST(Kataloge, BlaetternBleibtImKatalog) {
    int32_t nr = 1;
    EXPECT_FALSE(blaettern(nr, -1, 4));
    EXPECT_EQ(nr, 1);
    EXPECT_TRUE(blaettern(nr, +1, 4));
    EXPECT_EQ(nr, 2);
    nr = 4;
    EXPECT_FALSE(blaettern(nr, +1, 4));
    EXPECT_EQ(nr, 4);
}

// A damaged position comes back to the nearest end without any overflow on the way.
TEST(Kataloge, BeschaedigtePositionKommtZumNaechstenEnde) {
    constexpr int32_t gross = std::numeric_limits<int32_t>::max();
    constexpr int32_t klein = std::numeric_limits<int32_t>::min();
    int32_t nr = gross;
    EXPECT_FALSE(blaettern(nr, +1, 12));
    EXPECT_EQ(nr, gross);
    EXPECT_TRUE(blaettern(nr, -1, 12));
    EXPECT_EQ(nr, 12);
    nr = klein;
    EXPECT_FALSE(blaettern(nr, -1, 12));
    EXPECT_TRUE(blaettern(nr, +1, 12));
    EXPECT_EQ(nr, 1);
    nr = 0;
    EXPECT_TRUE(blaettern(nr, +1, 4));
    EXPECT_EQ(nr, 1);
}

TEST(Kataloge, ZiffernUndPreise) {
    const int preis[] = {20000, 30000, 40000, 50000};
    for (int m = 1; m <= 4; ++m) {
        ASSERT_NE(automodell(m), nullptr);
        EXPECT_EQ(komfortstufe(*automodell(m)), m);
        EXPECT_EQ(preisVon(*automodell(m)), preis[m - 1]);
    }
    const int erfahrung[] = {2, 4, 6, 1, 6, 4, 2, 3, 5, 1, 3, 5};
    const int gehalt[] = {97, 129, 161, 81, 161, 129, 97, 113, 145, 81, 113, 145};
    for (int k = 1; k <= 12; ++k) {
        const Fahrerkandidat* e = kandidat(k);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(erfahrungsstufe(*e), erfahrung[k - 1]) << k;
        EXPECT_EQ(gehaltVon(*e), gehalt[k - 1]) << k;
    }
    EXPECT_EQ(automodell(0), nullptr);
    EXPECT_EQ(automodell(5), nullptr);
    EXPECT_EQ(kandidat(13), nullptr);
}

// The digit at a place counted from 1; anything else, and any place outside the text, reads 0.
TEST(Kataloge, ZifferAnEinerStelle) {
    EXPECT_EQ(zifferAn("a9", 2), 9);
    EXPECT_EQ(zifferAn("7b", 1), 7);
    EXPECT_EQ(zifferAn("x0", 2), 0);
    for (const char* kein : {"x/", "x:", "xa", "x "})
        EXPECT_EQ(zifferAn(kein, 2), 0) << kein;
    for (int stelle : {0, -1, 3, 4})
        EXPECT_EQ(zifferAn("55", stelle), 0) << stelle;
}
