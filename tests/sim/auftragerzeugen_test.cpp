#include <gtest/gtest.h>

#include "bausteine.h"
#include "sim/auftragerzeugen.h"
#include "state/auftraege.h"
#include "testanzeige.h"

using namespace kabrolux;
using namespace kabrolux::test;

namespace {

// Millisecond whose draws make an order due with roll range n, of the wanted kind.
uint32_t faelligMs(int32_t n, int32_t untergrund, bool sonder) {
    return suchMs([=](Zufall& z) {
        if (z.Random(n) != 0) return false;
        return (z.Random(24 - untergrund) == 0) == sonder;
    });
}

}  // namespace

TEST(Attraktivitaet, AuswuerfelUndBalken) {
    TestSpiel t;
    t.s.image = 100;
    t.s.bekanntheit = 300;
    // n = Round(131.2 - 15 - 15) = 101: the roll is drawn from 0..100
    t.zeit.ms = suchMs([](Zufall& z) { return z.Random(101) == 100; });
    auftragerzeugen(t.spiel);
    EXPECT_EQ(t.s.attraktivitaet, -86);
    EXPECT_EQ(t.anzeige.letzterBalken(Balken::attraktivitaet), -86);
    EXPECT_EQ(t.s.auftragsnummer, 1);  // draw 100 is not due
    t.s.image = 0;
    t.s.bekanntheit = 0;
    auftragerzeugen(t.spiel);
    EXPECT_EQ(t.s.attraktivitaet, -116);  // Round(25 * 3 + 1.2 + 40)
}

// Both sums are rounded, not cut: at a price of 1.7 per km the roll is drawn from 0..131
// (Round(131.7) = 132) and the gauge shows -Round(116.7) = -117.
TEST(Attraktivitaet, SummenWerdenGerundet) {
    TestSpiel t;
    t.s.kilometerpreis = 1.7;
    // the draw is 1 from 132 and would be 0 from 131
    t.zeit.ms = suchMs({Zug::gleich(132, 1, 131)});
    auftragerzeugen(t.spiel);
    EXPECT_EQ(t.s.auftragsnummer, 1);
    EXPECT_EQ(t.s.attraktivitaet, -117);
}

TEST(Attraktivitaet, AbzuegeFuerImageUndBekanntheit) {
    // a = Round(15 * image / 100), b = Round(15 * bekanntheit / 300), halves to even
    TestSpiel t;
    auto gauge = [&](int image, int bekanntheit) {
        t.s.image = image;
        t.s.bekanntheit = bekanntheit;
        auftragerzeugen(t.spiel);
        return -t.s.attraktivitaet - 116;  // 25*3 + 1.2 + 40 = 116.2, minus a and b
    };
    EXPECT_EQ(gauge(30, 0), -4);  // a = 4 (4.5 -> 4)
    EXPECT_EQ(gauge(10, 0), -2);  // a = 2 (1.5 -> 2)
    EXPECT_EQ(gauge(0, 10), 0);   // b = 0 (0.5 -> 0)
    EXPECT_EQ(gauge(0, 30), -2);  // b = 2 (1.5 -> 2)
    EXPECT_EQ(gauge(0, 300), -15);
}

// The new order and the screens' news; each drawn value is pinned in the draw tests.
TEST(Auftragserzeugung, NeuerAuftragMitHinweis) {
    for (const bool sonder : {false, true}) {
        TestSpiel t;
        t.s.untergrundansehen = sonder ? 20 : 0;  // the kind is drawn from 0..3
        t.zeit.ms = faelligMs(131, t.s.untergrundansehen, sonder);
        auftragerzeugen(t.spiel);
        const Auftrag& a = t.s.auftraege[1];
        EXPECT_EQ(a.belegt, 1);
        EXPECT_EQ(a.nummer, 1);
        EXPECT_EQ(t.s.auftragsnummer, 2);
        EXPECT_EQ(a.sonderauftrag, sonder ? 1 : 0);
        if (sonder) {
            EXPECT_EQ(a.imagebonus, 0);
        }
        EXPECT_EQ(t.anzeige.neue, std::vector<Auftrag>{a});
        EXPECT_TRUE(t.anzeige.meldungen.empty());
    }
}

TEST(Auftragserzeugung, VerbraucherschutzAbGrenzeGenau) {
    struct Fall {
        double km, grund;
        int32_t n;  // the roll range at these prices
        bool strafe;
    };
    for (Fall f : {Fall{11, 3, 141, true}, Fall{1.2, 31, 971, true}, Fall{10.99, 3, 141, false},
                   Fall{1.2, 30.99, 971, false}}) {
        TestSpiel t;
        t.s.kilometerpreis = f.km;
        t.s.grundpreis = f.grund;
        t.zeit.ms = faelligMs(f.n, 0, false);
        auftragerzeugen(t.spiel);
        if (f.strafe) {
            ASSERT_EQ(t.anzeige.meldungen.size(), 1u);
            EXPECT_EQ(t.anzeige.meldungen[0],
                      Meldung::von(Meldungsart::verbraucherzentrale, 0, 1000));
            EXPECT_DOUBLE_EQ(t.s.vermoegen, 49000);
            EXPECT_EQ(t.anzeige.geld.back(), (Geld{49000}));
            EXPECT_DOUBLE_EQ(t.s.grundpreis, 3);
            EXPECT_DOUBLE_EQ(t.s.kilometerpreis, 1.2);
            EXPECT_EQ(t.anzeige.ereignisse.back(), "preise:1,2/3");
            EXPECT_EQ(t.s.auftragsnummer, 1);
            EXPECT_EQ(t.s.auftraege[1].belegt, 0);
        } else {
            EXPECT_TRUE(t.anzeige.meldungen.empty());
            EXPECT_EQ(t.s.auftragsnummer, 2);
        }
    }
}

TEST(Auftragserzeugung, TeuersteErlaubteFahrt) {
    TestSpiel t;
    t.s.kilometerpreis = 10.99;
    t.s.grundpreis = 30.99;
    t.zeit.ms = suchMs([](Zufall& z) {
        if (z.Random(981) != 0 || z.Random(24) == 0) return false;
        z.Random(3);
        z.Random(30);
        return z.Random(120) == 119;
    });
    auftragerzeugen(t.spiel);
    EXPECT_EQ(t.s.auftraege[1].kilometer, 120);
    EXPECT_EQ(t.s.auftraege[1].einnahmen, 1350);
}

TEST(Auftragserzeugung, GeraeumteZeileWirdWiederbenutzt) {
    TestSpiel t;
    for (int r = 1; r <= 3; ++r)
        neuerAuftrag(t.s, r, r, 1440);
    raeumeZeile(t.s.auftraege[2]);
    raeumeZeile(t.s.auftraege[3]);
    t.zeit.ms = faelligMs(131, 0, false);
    auftragerzeugen(t.spiel);
    EXPECT_EQ(t.s.auftraege[2].belegt, 1);
    EXPECT_EQ(t.s.auftraege[2].nummer, 4);
    EXPECT_EQ(t.s.auftraege[3].belegt, 0);
    EXPECT_EQ(t.s.auftraege[4].belegt, 0);
}

TEST(Auftragserzeugung, VolleTabelleNimmtKeinenAuftrag) {
    TestSpiel t;
    for (int r = 1; r <= kAuftragsZeilen; ++r)
        neuerAuftrag(t.s, r, r, 1440);
    const Auftragstabelle vorher = t.s.auftraege;
    t.zeit.ms = faelligMs(131, 0, false);
    auftragerzeugen(t.spiel);
    EXPECT_EQ(t.s.auftragsnummer, 1000);
    EXPECT_TRUE(t.s.auftraege == vorher);
    EXPECT_TRUE(t.anzeige.neue.empty());
}

TEST(Auftragserzeugung, NichtPositiverWurfbereichBringtJedeMinuteEinenAuftrag) {
    TestSpiel t;
    t.s.grundpreis = -100;  // n = Round(-3000 + 1.2 + 40) < 0
    for (uint32_t ms : {1u, 777u, 43'200'000u}) {
        t.zeit.ms = ms;
        const int32_t vorher = t.s.auftragsnummer;
        auftragerzeugen(t.spiel);
        EXPECT_EQ(t.s.auftragsnummer, vorher + 1);
    }
    // the gauge just saturates the bar's bottom end
    EXPECT_GT(t.s.attraktivitaet, 0);
}

TEST(Auftragserzeugung, RiesigePreiseLaufenNichtUeber) {
    TestSpiel t;
    t.s.grundpreis = 1e300;
    t.s.kilometerpreis = -1e300;
    auftragerzeugen(t.spiel);
    EXPECT_EQ(t.s.attraktivitaet, std::numeric_limits<int32_t>::min());
    t.s.grundpreis = 1e20;
    t.s.kilometerpreis = 1e20;
    auftragerzeugen(t.spiel);
    EXPECT_EQ(t.s.attraktivitaet, std::numeric_limits<int32_t>::min());
}
