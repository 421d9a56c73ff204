#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "desk/posteingang.h"
#include "desk/taxisenden.h"
#include "economy/autohaendler.h"
#include "economy/personal.h"
#include "economy/preise.h"
#include "sim/takt.h"
#include "state/statistik.h"
#include "testanzeige.h"

using namespace kabrolux;
using namespace kabrolux::test;

TEST(Preise, Starttexte) {
    EXPECT_EQ(startKilometerpreisText(), "1,2");
    EXPECT_EQ(startGrundpreisText(), "3");
}

// Leaving a field: the kilometre field swaps points and commas of anything that is no number;
// the base price field makes every point a comma.
TEST(Preise, FelderBeimVerlassen) {
    struct Fall {
        const char *eingabe, *kilometer, *grund;
    };
    for (const Fall f :
         {Fall{"1.5", "1,5", "1,5"}, Fall{"1,5", "1,5", "1,5"}, Fall{"1.000", "1,000", "1,000"},
          Fall{"1,2,3", "1.2.3", "1,2,3"}, Fall{"1.2.3", "1,2,3", "1,2,3"},
          Fall{"a.b,c", "a,b.c", "a,b,c"}, Fall{" 1.5 ", " 1,5 ", " 1,5 "},
          Fall{"1,2.3", "1.2,3", "1,2,3"}, Fall{"...", ",,,", ",,,"}, Fall{"", "", ""},
          Fall{"12", "12", "12"}, Fall{"-0", "-0", "-0"}, Fall{" 1,5", " 1,5", " 1,5"},
          Fall{"1e5", "1e5", "1e5"}, Fall{"nan", "nan", "nan"}, Fall{"inf", "inf", "inf"},
          Fall{"1e400", "1e400", "1e400"}, Fall{"   ", "   ", "   "}}) {
        EXPECT_EQ(kilometerpreisVerlassen(f.eingabe), f.kilometer) << f.eingabe;
        EXPECT_EQ(grundpreisVerlassen(f.eingabe), f.grund) << f.eingabe;
    }
}

TEST(Preise, SchliessenUebernimmtBeide) {
    TestSpiel t;
    EXPECT_TRUE(preiseUebernehmen(t.spiel, "2,50", "0,9"));
    EXPECT_DOUBLE_EQ(t.s.grundpreis, 2.5);
    EXPECT_DOUBLE_EQ(t.s.kilometerpreis, 0.9);
    EXPECT_TRUE(preiseUebernehmen(t.spiel, " 4 ", "-0"));
    EXPECT_DOUBLE_EQ(t.s.grundpreis, 4);
    EXPECT_EQ(t.s.kilometerpreis, 0);
    EXPECT_TRUE(std::signbit(t.s.kilometerpreis));
    EXPECT_TRUE(preiseUebernehmen(t.spiel, "1234567890123456789012345678901234567890", "1E5"));
    EXPECT_DOUBLE_EQ(t.s.grundpreis, 1.2345678901234568e39);
    EXPECT_DOUBLE_EQ(t.s.kilometerpreis, 1e5);
    EXPECT_TRUE(t.anzeige.meldungen.empty());
}

TEST(Preise, KeineZahlHaeltDenSchirmOffen) {
    for (const char* text : {"", "   ", "abc", "1.000", "1,2,3", "nan", "inf", "1e400", "2.50"}) {
        const Meldung meldung =
            Meldung::laufzeit(std::string("'") + text + "' is not a valid floating point value");
        {
            TestSpiel t;  // bad base price: neither value changes
            EXPECT_FALSE(preiseUebernehmen(t.spiel, text, "2"));
            EXPECT_EQ(t.anzeige.meldungen, std::vector<Meldung>{meldung});
            EXPECT_DOUBLE_EQ(t.s.grundpreis, 3);
            EXPECT_DOUBLE_EQ(t.s.kilometerpreis, 1.2);
        }
        {
            TestSpiel t;  // bad kilometre price: the good base price is taken
            EXPECT_FALSE(preiseUebernehmen(t.spiel, "5", text));
            EXPECT_EQ(t.anzeige.meldungen, std::vector<Meldung>{meldung});
            EXPECT_DOUBLE_EQ(t.s.grundpreis, 5);
            EXPECT_DOUBLE_EQ(t.s.kilometerpreis, 1.2);
        }
    }
}

namespace {

// Plays n minutes: every order is accepted and sent as soon as a taxi and a driver are free.
void spielen(TestSpiel& t, int n) {
    for (int i = 0; i < n; ++i) {
        t.zeit.ms = static_cast<uint32_t>((i * 7919u) % 86'400'000u);
        Timer1Timer(t.spiel);
        auto zeilen = posteingangAufbauen(t.spiel);
        for (size_t k = 0; k < zeilen.size(); ++k)
            if (!zeilen[k].haken) {
                zeilen[k].haken = true;
                posteingangHaken(t.spiel, zeilen, static_cast<int>(k));
            }
        const SendenListen l = sendenAufbauen(t.spiel);
        if (l.auftraege.empty() || l.taxen.empty() || l.fahrer.empty()) continue;
        auftragGewaehlt(t.spiel, 0);
        taxiGewaehlt(t.spiel, 0);
        fahrerGewaehlt(t.spiel, 0);
        taxiSenden(t.spiel, l);
    }
}

}  // namespace

// Whatever price a player types, the ticks that follow keep working with values the game can
// show and reckon with.
TEST(Preise, RiesigePreiseImLaufendenSpiel) {
    const char* preise[][2] = {{"1e300", "1,2"},    {"-1e300", "1,2"},   {"3", "1e300"},
                               {"3", "-1e300"},     {"1e300", "-1e300"}, {"-1e300", "1e300"},
                               {"1e308", "-1e308"}, {"-1e308", "-1e308"}};
    for (const auto& p : preise) {
        SCOPED_TRACE(std::string(p[0]) + " / " + p[1]);
        TestSpiel t;
        t.s.vermoegen = 1e6;
        for (int m : {1, 2}) {
            t.s.aktuellesauto = m;
            ASSERT_TRUE(autoKaufen(t.spiel));
            t.s.aktuellerfahrer = m;
            fahrerEinstellen(t.spiel);
        }
        ASSERT_TRUE(preiseUebernehmen(t.spiel, p[0], p[1]));
        spielen(t, 1500);

        EXPECT_TRUE(std::isfinite(t.s.vermoegen));
        EXPECT_TRUE(std::isfinite(t.s.grundpreis));
        EXPECT_TRUE(std::isfinite(t.s.kilometerpreis));
        for (const Geld& g : t.anzeige.geld)
            EXPECT_TRUE(std::isfinite(g.betrag));
        EXPECT_GT(t.s.auftragsnummer, 1);
        const Statistik st = statistikBerechnen(t.s);
        EXPECT_EQ(st.erhalten, t.s.auftragsnummer - 1);
        EXPECT_GE(st.verpasst, 0);
        // Too high a price is fined and reset at the first order that falls due.
        const bool zuHoch = std::atof(p[0]) >= 31 || std::atof(p[1]) >= 11;
        if (zuHoch) {
            EXPECT_DOUBLE_EQ(t.s.grundpreis, 3);
            EXPECT_DOUBLE_EQ(t.s.kilometerpreis, 1.2);
            const auto& e = t.anzeige.ereignisse;
            EXPECT_EQ(std::count(e.begin(), e.end(), "preise:1,2/3"), 1);
        }
    }
}

TEST(Preise, NegativeRiesenpreiseKostenJedeFahrtGeld) {
    TestSpiel t;
    t.s.vermoegen = 1e6;
    t.s.aktuellesauto = 1;
    ASSERT_TRUE(autoKaufen(t.spiel));
    t.s.aktuellerfahrer = 1;
    fahrerEinstellen(t.spiel);
    ASSERT_TRUE(preiseUebernehmen(t.spiel, "3", "-1e300"));
    spielen(t, 600);
    // Every minute brings an order, each worth the lowest int32 amount.
    EXPECT_EQ(t.s.auftragsnummer, 601);
    EXPECT_EQ(t.s.attraktivitaet, std::numeric_limits<int32_t>::max());
    int bezahlt = 0;
    for (const Meldung& m : t.anzeige.meldungen) {
        if (m.art != Meldungsart::fahrpreis) continue;
        EXPECT_EQ(m.betrag, std::numeric_limits<int32_t>::min()) << m.nummer;
        ++bezahlt;
    }
    EXPECT_GT(bezahlt, 0);
    EXPECT_TRUE(std::isfinite(t.s.vermoegen));
}
