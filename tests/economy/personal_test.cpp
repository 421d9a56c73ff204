#include <gtest/gtest.h>

#include <cstdint>

#include "bausteine.h"
#include "economy/personal.h"
#include "testanzeige.h"

using namespace kabrolux;
using namespace kabrolux::test;

namespace {

void einstellen(TestSpiel& t, int kandidat) {
    t.s.aktuellerfahrer = kandidat;
    fahrerEinstellen(t.spiel);
}

}  // namespace

TEST(Personal, EinstellenFuelltDenErstenFreienSlot) {
    TestSpiel t;
    einstellen(t, 3);
    EXPECT_EQ(t.s.fahrer[1], (Fahrer{1, 161, 0, 0, 3, 1, 6}));
    EXPECT_EQ(t.s.eingestellt[3], 1);
    EXPECT_EQ(t.s.fahrernummer, 2);
}

TEST(Personal, EntlassenUndWiederEinstellen) {
    TestSpiel t;
    einstellen(t, 1);
    einstellen(t, 2);
    einstellen(t, 3);
    t.s.aktuellerfahrer = 2;
    EXPECT_TRUE(fahrerEntlassen(t.spiel));
    einstellen(t, 5);
    EXPECT_EQ(t.s.fahrer[2].kandidat, 5);
    EXPECT_EQ(t.s.fahrer[2].nummer, 4);
    EXPECT_EQ(t.s.eingestellt[2], 0);
}

TEST(Personal, EntlassenKostetEinGehalt) {
    TestSpiel t;
    t.s.vermoegen = 1000;
    einstellen(t, 4);
    // The screen swaps its buttons before the message, as the dismissal's steps go.
    std::size_t meldungenDavor = SIZE_MAX;
    EXPECT_TRUE(fahrerEntlassen(t.spiel, [&] { meldungenDavor = t.anzeige.meldungen.size(); }));
    EXPECT_EQ(meldungenDavor + 1, t.anzeige.meldungen.size());
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 919);
    EXPECT_EQ(t.anzeige.meldungen.back(), Meldung::von(Meldungsart::fahrerEntlassen));
    // a second dismissal later works as well
    einstellen(t, 7);
    EXPECT_TRUE(fahrerEntlassen(t.spiel));
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 822);
}

// The slot is found by the employed candidate, in any slot; a candidate not employed cannot be
// dismissed. The money is gone when the message shows.
TEST(Personal, EntlassenFindetDenRichtigenSlot) {
    TestSpiel t;
    for (int k = 1; k <= 12; ++k)
        einstellen(t, k);
    t.s.aktuellerfahrer = 12;
    double geldBeiMeldung = 0;
    t.anzeige.beiMeldung = [&] { geldBeiMeldung = t.s.vermoegen; };
    EXPECT_TRUE(fahrerEntlassen(t.spiel));
    EXPECT_EQ(t.s.fahrer[12].belegt, 0);
    EXPECT_DOUBLE_EQ(geldBeiMeldung, 50000 - 145);
    EXPECT_FALSE(fahrerEntlassen(t.spiel));
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 50000 - 145);
    EXPECT_EQ(t.anzeige.meldungen.size(), 1u);

    // a free slot that still names the candidate (as a file may hold it) is not the driver
    TestSpiel f;
    eingestellterFahrer(f.s, 1, 4).belegt = 0;
    eingestellterFahrer(f.s, 2, 4).gehalt = 100;  // a salary of its own tells the slots apart
    f.s.aktuellerfahrer = 4;
    EXPECT_TRUE(fahrerEntlassen(f.spiel));
    EXPECT_EQ(f.s.fahrer[2].belegt, 0);
    EXPECT_DOUBLE_EQ(f.s.vermoegen, 50000 - 100);
}

TEST(Personal, NichtWaehrendEinerFahrt) {
    TestSpiel t;
    einstellen(t, 6);
    t.s.fahrer[1].unterwegs = 1;
    EXPECT_FALSE(fahrerEntlassen(t.spiel, [] { ADD_FAILURE() << "refused, yet swapped"; }));
    EXPECT_EQ(t.s.fahrer[1].belegt, 1);
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 50000);
    t.s.fahrer[1].unterwegs = 0;
    EXPECT_TRUE(fahrerEntlassen(t.spiel));
}

TEST(Personal, BlaetternBleibtImKatalog) {
    TestSpiel t;
    t.s.aktuellerfahrer = 7;
    personalOeffnen(t.spiel);
    EXPECT_EQ(t.s.aktuellerfahrer, 1);
    for (int i = 0; i < 11; ++i)
        EXPECT_TRUE(fahrerVor(t.spiel));
    EXPECT_EQ(t.s.aktuellerfahrer, 12);
    t.s.aktuellerfahrer = 12;
    EXPECT_FALSE(fahrerVor(t.spiel));
    EXPECT_EQ(t.s.aktuellerfahrer, 12);
    for (int i = 0; i < 11; ++i)
        EXPECT_TRUE(fahrerZurueck(t.spiel));
    EXPECT_FALSE(fahrerZurueck(t.spiel));
    EXPECT_EQ(t.s.aktuellerfahrer, 1);
    t.s.aktuellerfahrer = -3;
    EXPECT_TRUE(fahrerVor(t.spiel));
    EXPECT_EQ(t.s.aktuellerfahrer, 1);
    t.s.aktuellerfahrer = 77;  // a damaged value comes back into the catalogue
    EXPECT_TRUE(fahrerZurueck(t.spiel));
    EXPECT_EQ(t.s.aktuellerfahrer, 12);
}

TEST(Personal, WerIstEingestellt) {
    TestSpiel t;
    einstellen(t, 5);
    for (int k = 0; k <= 13; ++k)
        EXPECT_EQ(kandidatEingestellt(t.spiel, k), k == 5) << k;
    // outside the catalogue nobody can be hired or dismissed
    for (int k : {0, 13}) {
        t.s.aktuellerfahrer = k;
        fahrerEinstellen(t.spiel);
        EXPECT_FALSE(fahrerEntlassen(t.spiel));
    }
    EXPECT_EQ(t.s.fahrernummer, 2);
    EXPECT_EQ(t.s.fahrer[2].belegt, 0);
}

TEST(Personal, EinEingestellterWirdNichtNochmalEingestellt) {
    TestSpiel t;
    t.s.aktuellerfahrer = 4;
    fahrerEinstellen(t.spiel);
    fahrerEinstellen(t.spiel);  // a second press before the button disappeared
    EXPECT_EQ(t.s.fahrer[1].belegt, 1);
    EXPECT_EQ(t.s.fahrer[2].belegt, 0);
    EXPECT_EQ(t.s.fahrernummer, 2);
    // dismissing then frees the candidate for good: no second slot stays employed
    EXPECT_TRUE(fahrerEntlassen(t.spiel));
    for (int k = 1; k <= kSlots; ++k)
        EXPECT_EQ(t.s.fahrer[k].belegt, 0) << k;
    EXPECT_EQ(t.s.eingestellt[4], 0);
}
