#include <gtest/gtest.h>

#include "sim/uhr.h"

using namespace kabrolux;

TEST(Uhr, AussetzerNestenUndStellenWiederHer) {
    Uhr u;
    int meldungen = 0;
    u.geaendert = [&] { ++meldungen; };
    u.einschalten();
    EXPECT_TRUE(u.laeuft());
    {
        auto a = u.aussetzen();
        EXPECT_FALSE(u.laeuft());
        {
            auto b = u.aussetzen();
            EXPECT_FALSE(u.laeuft());
        }
        EXPECT_FALSE(u.laeuft());
    }
    EXPECT_TRUE(u.laeuft());
    EXPECT_EQ(meldungen, 3);  // on, off, on
}

TEST(Uhr, PauseWaehrendEinesAussetzersBleibtPause) {
    Uhr u;
    u.einschalten();
    {
        auto a = u.aussetzen();
        u.ausschalten();
    }
    EXPECT_FALSE(u.laeuft());
}

TEST(Uhr, EinschaltenWaehrendEinesAussetzersWartetAufSeinEnde) {
    Uhr u;
    {
        auto a = u.aussetzen();
        u.einschalten();
        EXPECT_FALSE(u.laeuft());
    }
    EXPECT_TRUE(u.laeuft());
}

TEST(Uhr, GestoppteUhrBleibtNachHandlerGestoppt) {
    Uhr u;
    { auto a = u.aussetzen(); }
    EXPECT_FALSE(u.laeuft());
    EXPECT_EQ(u.intervall(), 1000);
}

TEST(Uhr, IntervallwechselWirdGemeldet) {
    Uhr u;
    int meldungen = 0;
    u.geaendert = [&] { ++meldungen; };
    u.setzeIntervall(400);
    u.setzeIntervall(400);
    EXPECT_EQ(meldungen, 1);
    EXPECT_EQ(u.intervall(), 400);
}
