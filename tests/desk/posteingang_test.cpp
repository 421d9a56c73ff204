#include <gtest/gtest.h>

#include "bausteine.h"
#include "desk/posteingang.h"
#include "desk/taxisenden.h"
#include "state/auftraege.h"
#include "testanzeige.h"

using namespace kabrolux;
using namespace kabrolux::test;

TEST(Posteingang, ListetOffeneAuftraegeMitHaken) {
    TestSpiel t;
    EXPECT_TRUE(posteingangAufbauen(t.spiel).empty());
    neuerAuftrag(t.s, 1, 7);
    neuerSonderauftrag(t.s, 2, 8);
    neuerSonderauftrag(t.s, 3, 9).sonderauftrag = 3;  // after dispatch: not listed
    fahrenderAuftrag(t.s, 4, 10, 5);
    angenommenerAuftrag(t.s, 5, 11);
    const auto z = posteingangAufbauen(t.spiel);
    // number (the line's key), row, tick
    EXPECT_EQ(z, (std::vector<PosteingangZeile>{{7, 1, false}, {8, 2, false}, {11, 5, true}}));
}

TEST(Posteingang, AnnehmenIstEndgueltigUndZaehltEinmal) {
    TestSpiel t;
    neuerAuftrag(t.s, 1, 7);
    neuerAuftrag(t.s, 2, 8);
    auto z = posteingangAufbauen(t.spiel);
    z[1].haken = true;
    posteingangHaken(t.spiel, z, 1);
    EXPECT_EQ(t.s.auftraege[2].angenommen, 1);
    EXPECT_EQ(t.s.auftraege[1].angenommen, 0);
    EXPECT_EQ(t.s.angenommeneauftraege, 1);

    for (int i = 0; i < 3; ++i) {
        z[1].haken = false;  // the player removes the tick
        posteingangHaken(t.spiel, z, 1);
        EXPECT_TRUE(z[1].haken);
    }
    EXPECT_EQ(t.s.auftraege[2].angenommen, 1);
    EXPECT_EQ(t.s.angenommeneauftraege, 1);

    // a rebuild (closing and reopening) shows the tick again
    EXPECT_TRUE(posteingangAufbauen(t.spiel)[1].haken);
}

TEST(Posteingang, HakenPausiertDieUhrUndStelltSieWiederHer) {
    TestSpiel t;
    neuerAuftrag(t.s, 1, 7);
    auto z = posteingangAufbauen(t.spiel);
    z[0].haken = true;
    t.uhr.ausschalten();
    posteingangHaken(t.spiel, z, 0);
    EXPECT_FALSE(t.uhr.laeuft());
    t.uhr.einschalten();
    posteingangHaken(t.spiel, z, 0);
    EXPECT_TRUE(t.uhr.laeuft());
    for (int k : {5, 1, -1})  // no such line: nothing happens
        posteingangHaken(t.spiel, z, k);
    EXPECT_EQ(t.s.angenommeneauftraege, 2);
}

TEST(Posteingang, ZeileOhnePassendenAuftragAendertNichts) {
    TestSpiel t;
    neuerAuftrag(t.s, 1, 7);
    std::vector<PosteingangZeile> z{{99, 1, true}};
    posteingangHaken(t.spiel, z, 0);
    EXPECT_EQ(t.s.auftraege[1].angenommen, 0);
}

// Cleared and never-used rows all carry number 0: a line with number 0 must not accept them,
// and no cleared row may ever be offered for sending.
TEST(Posteingang, NummerNullTrifftKeineLeereZeile) {
    TestSpiel t;
    const Auftrag& live = neuerAuftrag(t.s, 1, 5);
    raeumeZeile(t.s.auftraege[2]);
    std::vector<PosteingangZeile> zeilen{{0, 2, true}, {live.nummer, 1, false}};
    posteingangHaken(t.spiel, zeilen, 0);
    EXPECT_EQ(t.s.auftraege[2].angenommen, 0);
    EXPECT_EQ(t.s.auftraege[3].angenommen, 0);
    EXPECT_EQ(t.s.auftraege[1].angenommen, 0);
    const SendenListen l = sendenAufbauen(t.spiel);
    EXPECT_TRUE(l.auftraege.empty());

    // even a cleared row marked accepted (damaged data) is not listed
    t.s.auftraege[2].angenommen = 1;
    EXPECT_TRUE(sendenAufbauen(t.spiel).auftraege.empty());
}
