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
    ASSERT_EQ(z.size(), 3u);
    EXPECT_EQ(z[0].text.substr(0, 14), "Auftrag 000007");
    EXPECT_FALSE(z[0].haken);
    EXPECT_EQ(z[1].text.substr(0, 14), "Auftrag 000008");
    EXPECT_NE(z[1].text.find("Treffpunkt 0"), std::string::npos);
    EXPECT_EQ(z[2].text.substr(8, 6), "000011");
    EXPECT_TRUE(z[2].haken);
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
    std::vector<PosteingangZeile> z{{"Auftrag 000099: weg", true}};
    posteingangHaken(t.spiel, z, 0);
    EXPECT_EQ(t.s.auftraege[1].angenommen, 0);
}

// Cleared and never-used rows all carry number 0: a line that reads 000000 must not accept
// them, and no cleared row may ever be offered for sending.
TEST(Posteingang, NummerNullTrifftKeineLeereZeile) {
    TestSpiel t;
    const Auftrag& live = neuerAuftrag(t.s, 1, 5);
    raeumeZeile(t.s.auftraege[2]);
    std::vector<PosteingangZeile> zeilen{
        {"Auftrag 000000: Holen Sie am 30.12.1899 um 00:00 Uhr am  ab.", true},
        {auftragsText(live), false}};
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
