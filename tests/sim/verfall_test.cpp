// Orders nobody picks up expire: when, which, at what cost, and what the screens hear of it.
#include <gtest/gtest.h>

#include "bausteine.h"
#include "sim/fahrten.h"
#include "sim/spiel.h"
#include "sim/takt.h"
#include "state/auftraege.h"
#include "testanzeige.h"

using namespace kabrolux;
using namespace kabrolux::test;

TEST(Verfall, AchtzehnMinutenNachAbholzeit) {
    TestSpiel t;
    t.s.spielzeit = datumZeit(2026, 12, 7, 10, 17, 30);
    angenommenerAuftrag(t.s, 1, 1, -17.5);
    neuerAuftrag(t.s, 2, 2, -17.5);
    verfallpruefen(t.spiel);
    EXPECT_EQ(t.s.auftraege[1].belegt, 1);
    EXPECT_EQ(t.s.auftraege[2].belegt, 1);

    t.s.spielzeit += kMinute;  // 10:18:30
    verfallpruefen(t.spiel);
    EXPECT_EQ(t.s.auftraege[1].abschluss, 2);
    EXPECT_EQ(t.s.auftraege[2].abschluss, 2);
    EXPECT_EQ(t.s.auftraege[1].kennziffer, 4);
    EXPECT_EQ(t.s.image, -10);  // only the accepted one costs image
    EXPECT_EQ(t.anzeige.letzterBalken(Balken::image), -10);
    EXPECT_EQ(t.anzeige.auswahl, 2);
    EXPECT_EQ(t.anzeige.auftraege, 2);
    EXPECT_TRUE(t.anzeige.meldungen.empty());
}

// "Earlier than": an order exactly 18 minutes past its pickup time stays.
TEST(Verfall, GenauAchtzehnMinutenBleibtNoch) {
    TestSpiel t;
    const Auftrag& a = neuerAuftrag(t.s, 1, 1);
    t.s.spielzeit = a.abholzeit.alsZeit() + 18 * kMinute;
    verfallpruefen(t.spiel);
    EXPECT_EQ(a.belegt, 1);
    t.s.spielzeit += kMinute / 60000;  // a millisecond later
    verfallpruefen(t.spiel);
    EXPECT_EQ(a.belegt, 0);
}

TEST(Verfall, NurAngenommeneKostenImageBisMinusHundert) {
    struct Fall {
        int32_t angenommen, vorher, nachher;
    };
    for (const Fall f : {Fall{1, 0, -10}, Fall{0, 0, 0}, Fall{1, -95, -100}, Fall{0, -95, -95}}) {
        TestSpiel t;
        t.s.image = f.vorher;
        const Auftrag& a = (f.angenommen ? angenommenerAuftrag : neuerAuftrag)(t.s, 1, 1, -19);
        verfallpruefen(t.spiel);
        EXPECT_EQ(a.abschluss, 2);
        EXPECT_EQ(t.s.image, f.nachher) << f.angenommen << " " << f.vorher;
        EXPECT_EQ(t.anzeige.letzterBalken(Balken::image), f.nachher);
    }
}

// Only an order no taxi was sent to expires: belegt, restminuten 0 and unterwegs 0 together.
// A row with minutes left but no taxi on the way (only a file can say so) neither expires nor
// counts down.
TEST(Verfall, NurOhneRestminutenUndOhneTaxi) {
    TestSpiel t;
    Auftrag& a = neuerAuftrag(t.s, 1, 1, -1440);
    a.restminuten = 3;
    verfallpruefen(t.spiel);
    fahrtenfortschreiben(t.spiel);
    EXPECT_EQ(a.belegt, 1);
    EXPECT_EQ(a.restminuten, 3);
}

// The screens rebuild their lists when told: by then the row is cleared, and when the dispatch
// hears of it its three selections are already -1.
TEST(Verfall, BildschirmeHoerenErstNachDemRaeumen) {
    for (bool verfall : {true, false}) {
        TestSpiel t;
        const Auftrag& a =
            verfall ? neuerAuftrag(t.s, 1, 1, -1440) : fahrenderAuftrag(t.s, 1, 1, 1);
        t.lauf.gewaehlterauftrag = 0;
        t.lauf.gewaehltestaxi = 1;
        t.lauf.gewaehlterfahrer = 2;
        std::vector<int32_t> beiAuftraegen, beiAuswahl;
        t.anzeige.beiAuftraegen = [&] { beiAuftraegen.push_back(a.belegt); };
        t.anzeige.beiAuswahl = [&] {
            beiAuswahl = {a.belegt, t.lauf.gewaehlterauftrag, t.lauf.gewaehltestaxi,
                          t.lauf.gewaehlterfahrer};
        };
        if (verfall)
            verfallpruefen(t.spiel);
        else
            fahrtenfortschreiben(t.spiel);
        EXPECT_EQ(beiAuftraegen, std::vector<int32_t>{0}) << verfall;
        EXPECT_EQ(beiAuswahl, (std::vector<int32_t>{0, -1, -1, -1})) << verfall;
    }
}

TEST(Verfall, GesendeteAuftraegeVerfallenNie) {
    TestSpiel t;
    fahrenderAuftrag(t.s, 1, 1, 500).abholzeit = Abholzeit::zeit(t.s.spielzeit - 1);
    verfallpruefen(t.spiel);
    EXPECT_EQ(t.s.auftraege[1].belegt, 1);
}
