#include <gtest/gtest.h>

#include <random>

#include "sim/fahrten.h"
#include "state/auftraege.h"
#include "state/texte.h"
#include "testanzeige.h"

using namespace kabrolux;
using namespace kabrolux::test;

namespace {

// A dispatched order in row r with taxi and driver in the given slots.
Auftrag& unterwegs(TestSpiel& t, int r, int32_t nummer, int32_t minuten, int32_t unfallwurf,
                   int32_t sonder = 0, int32_t einnahmen = 100) {
    Auftrag& a = t.s.auftraege[r];
    a = Auftrag{};
    a.belegt = 1;
    a.abholzeit = Abholzeit::zeit(t.s.spielzeit);
    a.nummer = nummer;
    a.einnahmen = einnahmen;
    a.angenommen = 1;
    a.unterwegs = 1;
    a.restminuten = minuten;
    a.unfallwurf = unfallwurf;
    a.sonderauftrag = sonder;
    return a;
}

}  // namespace

TEST(Verfall, AchtzehnMinutenNachAbholzeit) {
    TestSpiel t;
    t.s.spielzeit = datumZeit(2026, 12, 7, 10, 17, 30);
    for (int r = 1; r <= 2; ++r) {
        Auftrag& a = t.s.auftraege[r];
        a.belegt = 1;
        a.nummer = r;
        a.abholzeit = Abholzeit::zeit(datumZeit(2026, 12, 7, 10, 0, 0));
        a.angenommen = r == 1 ? 1 : 0;
    }
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
    Auftrag& a = t.s.auftraege[1];
    a.belegt = 1;
    a.abholzeit = Abholzeit::zeit(datumZeit(2026, 12, 7, 10, 0, 0));
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
        Auftrag& a = t.s.auftraege[1];
        a.belegt = 1;
        a.angenommen = f.angenommen;
        a.abholzeit = Abholzeit::zeit(t.s.spielzeit - 19 * kMinute);
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
    Auftrag& a = t.s.auftraege[1];
    a.belegt = 1;
    a.restminuten = 3;
    a.abholzeit = Abholzeit::zeit(t.s.spielzeit - 1);
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
        Auftrag& a = verfall ? t.s.auftraege[1] : unterwegs(t, 1, 1, 1, 5);
        a.belegt = 1;
        a.abholzeit = Abholzeit::zeit(t.s.spielzeit - 1);
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
    unterwegs(t, 1, 1, 500, 5).abholzeit = Abholzeit::zeit(t.s.spielzeit - 1);
    verfallpruefen(t.spiel);
    EXPECT_EQ(t.s.auftraege[1].belegt, 1);
}

TEST(Fahrten, RegulaereFahrtWirdAbgerechnet) {
    TestSpiel t;
    t.s.image = 98;
    Auftrag& a = unterwegs(t, 1, 42, 1, 5, 0, 250);
    a.imagebonus = 4;
    fahrtenfortschreiben(t.spiel);
    EXPECT_EQ(t.anzeige.meldungen.at(0), "Auftrag 42 hat ihnen 250 € eingebracht.");
    EXPECT_EQ(t.anzeige.geld.back(), "Vermögen: 50250 €");
    EXPECT_EQ(t.s.image, 100);
    EXPECT_EQ(t.s.erledigteauftraege, 1);
    EXPECT_EQ(t.s.auftraege[1].abschluss, 2);
    EXPECT_EQ(t.anzeige.auswahl, 1);
    EXPECT_EQ(t.anzeige.verarbeiten, 2);
    EXPECT_EQ(t.lauf.gewaehlterauftrag, -1);
}

// The fare's image bonus keeps image within -100..100; a negative bonus can only come from a
// file, and does not take it lower either.
TEST(Fahrten, ImagebonusBleibtImBereich) {
    struct Fall {
        int32_t vorher, bonus, nachher;
    };
    for (const Fall f :
         {Fall{98, 4, 100}, Fall{-100, 0, -100}, Fall{-100, -5, -100}, Fall{-50, 2, -48}}) {
        TestSpiel t;
        t.s.image = f.vorher;
        unterwegs(t, 1, 1, 1, 5).imagebonus = f.bonus;
        fahrtenfortschreiben(t.spiel);
        EXPECT_EQ(t.s.image, f.nachher) << f.vorher << " " << f.bonus;
        EXPECT_EQ(t.anzeige.letzterBalken(Balken::image), f.nachher);
    }
}

TEST(Fahrten, FahrtMitNullMinutenImNaechstenTakt) {
    TestSpiel t;
    unterwegs(t, 1, 1, 0, 5);
    fahrtenfortschreiben(t.spiel);
    EXPECT_EQ(t.s.erledigteauftraege, 1);
}

TEST(Fahrten, SonderauftragErfolgreich) {
    TestSpiel t;
    t.s.untergrundansehen = 20;
    t.s.vermoegen = 0.5;
    unterwegs(t, 1, 7, 1, 3, 3, 5000);
    fahrtenfortschreiben(t.spiel);
    EXPECT_EQ(t.anzeige.meldungen.at(0),
              "Sonderauftrag 7 hat ihnen 5000 € eingebracht. Sie wurde bei der Ausführung nicht "
              "erwischt. Ihr Ansehen im Untergrundmilieu steigt. Vielleicht bekommen Sie nun "
              "öfters solche Aufträge...");
    EXPECT_EQ(t.anzeige.geld.back(), "Vermögen: 5000 €");  // rounded, halves to even
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 5000.5);
    EXPECT_EQ(t.s.untergrundansehen, 20);
    EXPECT_EQ(t.anzeige.letzterBalken(Balken::untergrund), 100);
    EXPECT_EQ(t.s.image, 0);
    EXPECT_EQ(t.s.erledigteauftraege, 1);

    TestSpiel drei;
    drei.s.untergrundansehen = 3;
    unterwegs(drei, 1, 7, 1, 3, 2, 5000);
    fahrtenfortschreiben(drei.spiel);
    EXPECT_EQ(drei.s.untergrundansehen, 4);
    EXPECT_EQ(drei.anzeige.letzterBalken(Balken::untergrund), 20);
}

TEST(Fahrten, SonderauftragErwischt) {
    TestSpiel t;
    t.s.vermoegen = 10001;
    t.s.untergrundansehen = 3;
    unterwegs(t, 1, 8, 1, 3, 1, 5000);
    fahrtenfortschreiben(t.spiel);
    EXPECT_EQ(t.anzeige.meldungen.at(0),
              "Sonderauftrag 8 ging schief. Jemand hat Ihnen etwas gesteckt. Sie bezahlen eine "
              "Strafe von 5000 €.");
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 5000.5);
    EXPECT_EQ(t.anzeige.geld.back(), "Vermögen: 5000 €");
    EXPECT_EQ(t.s.untergrundansehen, 0);
    EXPECT_EQ(t.s.erledigteauftraege, 1);

    TestSpiel gross;
    gross.s.vermoegen = 9e9;
    unterwegs(gross, 1, 9, 1, 3, 1);
    fahrtenfortschreiben(gross.spiel);
    EXPECT_NE(gross.anzeige.meldungen.at(0).find("Strafe von 4500000000 €."), std::string::npos);
    EXPECT_EQ(gross.anzeige.geld.back(), "Vermögen: 4500000000 €");

    // In debt there is nothing to seize: the fine is 0 and never adds money. Half a euro of
    // money is fined a quarter.
    for (const double vorher : {-1000.0, -100000.0, 0.0, -0.5, 0.5}) {
        TestSpiel m;
        m.s.vermoegen = vorher;
        unterwegs(m, 1, 9, 1, 3, 1);
        fahrtenfortschreiben(m.spiel);
        EXPECT_EQ(m.anzeige.meldungen.at(0),
                  "Sonderauftrag 9 ging schief. Jemand hat Ihnen etwas gesteckt. Sie bezahlen "
                  "eine Strafe von 0 €.");
        EXPECT_EQ(m.s.vermoegen, vorher > 0 ? vorher / 2 : vorher);
    }

    // Caught costs five points of standing, shown as 5 per point.
    TestSpiel zehn;
    zehn.s.untergrundansehen = 10;
    unterwegs(zehn, 1, 9, 1, 3, 1);
    fahrtenfortschreiben(zehn.spiel);
    EXPECT_EQ(zehn.s.untergrundansehen, 5);
    EXPECT_EQ(zehn.anzeige.letzterBalken(Balken::untergrund), 25);

    // The named fine is rounded, not cut: 10003 / 2 = 5001.5 names 5002.
    TestSpiel r;
    r.s.vermoegen = 10003;
    unterwegs(r, 1, 9, 1, 3, 1);
    fahrtenfortschreiben(r.spiel);
    EXPECT_NE(r.anzeige.meldungen.at(0).find("Strafe von 5002 €."), std::string::npos);
    EXPECT_EQ(r.anzeige.geld.back(), "Vermögen: 5002 €");
}

TEST(Fahrten, UnfallAuchBeimSonderauftrag) {
    TestSpiel t;
    t.s.image = -95;
    t.s.untergrundansehen = 4;
    unterwegs(t, 1, 11, 1, 0, 1, 7000);
    Zufall z = t.zufall;
    const int32_t schaden = z.Random(4000) + 100;
    fahrtenfortschreiben(t.spiel);
    EXPECT_EQ(t.anzeige.meldungen.at(0),
              "Ihr Taxi, das den Auftrag 11 erledigte hatte einen Unfall. Der Schaden beträgt " +
                  std::to_string(schaden) + " €.");
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 50000 - schaden);
    EXPECT_EQ(t.anzeige.geld.back(), "Vermögen: " + std::to_string(50000 - schaden) + " €");
    EXPECT_EQ(t.s.image, -100);
    EXPECT_EQ(t.anzeige.letzterBalken(Balken::image), -100);
    EXPECT_EQ(t.s.untergrundansehen, 4);
    EXPECT_EQ(t.s.erledigteauftraege, 0);

    TestSpiel null;
    unterwegs(null, 1, 12, 1, 0);
    fahrtenfortschreiben(null.spiel);
    EXPECT_EQ(null.s.image, -10);
    EXPECT_EQ(null.anzeige.letzterBalken(Balken::image), -10);
}

TEST(Fahrten, MeldungenInZeilenfolge) {
    TestSpiel t;
    unterwegs(t, 1, 1, 1, 5, 0, 10);
    unterwegs(t, 2, 2, 2, 5, 0, 20);
    unterwegs(t, 3, 3, 1, 5, 0, 30);
    fahrtenfortschreiben(t.spiel);
    ASSERT_EQ(t.anzeige.meldungen.size(), 2u);
    EXPECT_EQ(t.anzeige.meldungen[0], "Auftrag 1 hat ihnen 10 € eingebracht.");
    EXPECT_EQ(t.anzeige.meldungen[1], "Auftrag 3 hat ihnen 30 € eingebracht.");
    EXPECT_EQ(t.s.auftraege[2].restminuten, 1);
}

TEST(Fahrten, JederSlotZaehltGenauEinmalProTakt) {
    TestSpiel t;
    for (int k = 1; k <= kSlots; ++k) {
        t.s.taxen[k] = Taxi{1, 20000, 0, 1, 3, 1, k};
        t.s.fahrer[k] = Fahrer{1, 97, 1, 3, 1, k, 2};
    }
    // the table is empty: the scan visits row 1 only, the other slots still count down
    fahrtenfortschreiben(t.spiel);
    for (int k = 1; k <= kSlots; ++k) {
        EXPECT_EQ(t.s.taxen[k].restminuten, 2) << k;
        EXPECT_EQ(t.s.fahrer[k].restminuten, 2) << k;
    }
    // with 20 rows in use each slot is counted at the visit of its row
    for (int r = 1; r <= 20; ++r)
        unterwegs(t, r, r, 100, 5);
    fahrtenfortschreiben(t.spiel);
    fahrtenfortschreiben(t.spiel);
    for (int k = 1; k <= kSlots; ++k) {
        EXPECT_EQ(t.s.taxen[k].restminuten, 0) << k;
        EXPECT_EQ(t.s.taxen[k].unterwegs, 0) << k;
        EXPECT_EQ(t.s.fahrer[k].unterwegs, 0) << k;
    }
    // a free taxi or driver stays at 0
    fahrtenfortschreiben(t.spiel);
    for (int k = 1; k <= kSlots; ++k) {
        EXPECT_EQ(t.s.taxen[k].restminuten, 0) << k;
        EXPECT_EQ(t.s.fahrer[k].restminuten, 0) << k;
    }
}

TEST(Fahrten, TaxiUndFahrerFreiImTaktDerAbrechnung) {
    TestSpiel t;
    t.s.taxen[9] = Taxi{1, 20000, 0, 1, 25, 1, 9};
    t.s.fahrer[4] = Fahrer{1, 97, 1, 25, 1, 4, 2};
    unterwegs(t, 1, 1, 25, 5);
    for (int i = 0; i < 24; ++i)
        fahrtenfortschreiben(t.spiel);
    EXPECT_EQ(t.s.erledigteauftraege, 0);
    EXPECT_EQ(t.s.taxen[9].unterwegs, 1);
    fahrtenfortschreiben(t.spiel);
    EXPECT_EQ(t.s.erledigteauftraege, 1);
    EXPECT_EQ(t.s.taxen[9].unterwegs, 0);
    EXPECT_EQ(t.s.fahrer[4].unterwegs, 0);
}

TEST(Fahrten, ScanEndetSpaetestensBeiZeile999) {
    TestSpiel t;
    for (int r = 1; r <= kAuftragsZeilen; ++r)
        unterwegs(t, r, r, 1000, 5);
    fahrtenfortschreiben(t.spiel);
    verfallpruefen(t.spiel);
    EXPECT_EQ(t.s.auftraege[999].restminuten, 999);
}

// After a settlement the main screen is refreshed, the player may act, the dispatch is told,
// and the player may act again.
TEST(Fahrten, ReihenfolgeNachDerAbrechnung) {
    TestSpiel t;
    unterwegs(t, 1, 1, 1, 5);
    std::vector<std::string> folge;
    t.anzeige.beiAuftraegen = [&] { folge.push_back("Hauptbildschirm"); };
    t.anzeige.beiAuswahl = [&] { folge.push_back("Auswahl"); };
    t.anzeige.beiVerarbeiten = [&] { folge.push_back("Spieler"); };
    fahrtenfortschreiben(t.spiel);
    EXPECT_EQ(folge,
              (std::vector<std::string>{"Hauptbildschirm", "Spieler", "Auswahl", "Spieler"}));
}

TEST(Fahrten, SpielerHandeltWaehrendDerMeldung) {
    // While a settlement message is open the player may act; the tick goes on afterwards.
    TestSpiel t;
    unterwegs(t, 1, 1, 1, 5, 0, 10);
    unterwegs(t, 2, 2, 1, 5, 0, 20);
    int aufrufe = 0;
    t.anzeige.beiVerarbeiten = [&] {
        if (aufrufe++ == 0) t.s.auftraege[2].einnahmen = 99;
    };
    fahrtenfortschreiben(t.spiel);
    EXPECT_EQ(t.anzeige.meldungen.at(1), "Auftrag 2 hat ihnen 99 € eingebracht.");
}

// After every tick the lists of free taxis and drivers show what is free at its end, whatever
// the slot numbers: the last refresh of a tick comes after the last slot was counted down. It
// keeps what the player chose on the dispatch screen after the settlement cleared the choice.
TEST(Fahrten, ListenZeigenAmTaktendeWasFreiIst) {
    struct Fall {
        int zeile, taxi, fahrer;
    };
    for (const Fall f : {Fall{1, 5, 5}, Fall{5, 1, 1}, Fall{3, 1, 7}, Fall{3, 7, 1}}) {
        TestSpiel t;
        for (int r = 1; r < f.zeile; ++r)
            raeumeZeile(t.s.auftraege[r]);
        unterwegs(t, f.zeile, 1, 1, 5);
        t.s.taxen[f.taxi] = Taxi{1, 20000, 0, 1, 1, 1, 1};
        t.s.fahrer[f.fahrer] = Fahrer{1, 97, 1, 1, 1, 1, 2};
        std::vector<std::string> taxen, fahrer;
        t.anzeige.beiAuftraegen = [&] {
            taxen = freieTaxenZeilen(t.s);
            fahrer = freieFahrerZeilen(t.s);
        };
        t.anzeige.beiVerarbeiten = [&] {  // after the settlement's reset, the player chooses
            if (t.anzeige.verarbeiten == 2) t.lauf.gewaehlterauftrag = 0;
        };
        fahrtenfortschreiben(t.spiel);
        EXPECT_EQ(taxen, std::vector<std::string>{"01: Taxi Variante 1"}) << f.zeile << f.taxi;
        EXPECT_EQ(fahrer, std::vector<std::string>{"01: Thomas Becker (Erfahrung: 2 von 6)"})
            << f.zeile << f.fahrer;
        EXPECT_EQ(t.lauf.gewaehlterauftrag, 0) << f.zeile << f.taxi;
    }
}

// The tick's one walk over the rows must do exactly what the two passes do one after the other:
// the same events in the same order, the same lists on the main screen at every redraw, and the
// same state afterwards, for tables where nothing, something or much happens in one minute.
TEST(Fahrten, EinGangWieZweiPaesse) {
    std::mt19937 zufall(4711);
    auto zahl = [&](int n) { return static_cast<int>(zufall() % static_cast<unsigned>(n)); };
    auto mitschreiben = [](TestSpiel& t, std::vector<std::string>& bilder) {
        t.anzeige.beiAuftraegen = [&t, &bilder] {
            std::string bild;
            const Hauptlisten l = hauptlisten(t.s);
            for (const auto* liste : {&l.fahrten, &l.taxen, &l.fahrer})
                for (const std::string& z : *liste)
                    bild += z + '\n';
            bilder.push_back(bild);
        };
    };
    for (int fall = 0; fall < 400; ++fall) {
        TestSpiel a, b;
        std::vector<std::string> bilderA, bilderB;
        mitschreiben(a, bilderA);
        mitschreiben(b, bilderB);
        const int zeilen = 1 + zahl(fall % 4 == 0 ? 999 : 40);
        const int ereignisse = zahl(3);  // 0: only counting, else expiries and settlements
        for (TestSpiel* t : {&a, &b}) {
            zufall.seed(4711 + fall);
            t->s.image = zahl(201) - 100;
            for (int r = 1; r <= zeilen; ++r) {
                Auftrag& z = t->s.auftraege[r];
                if (zahl(6) == 0) {
                    raeumeZeile(z);
                    continue;
                }
                z.belegt = 1;
                z.nummer = r;
                z.angenommen = zahl(2);
                z.sonderauftrag = zahl(5) == 0 ? 1 + zahl(4) : 0;
                z.unfallwurf = zahl(10);
                z.einnahmen = zahl(500);
                const bool faellig = ereignisse > 0 && zahl(30) == 0;
                z.abholzeit = Abholzeit::zeit(t->s.spielzeit + (faellig ? -20 : 40) * kMinute);
                if (zahl(3) == 0) {
                    z.unterwegs = 1;
                    z.restminuten = ereignisse > 0 ? zahl(4) : 2 + zahl(50);
                    z.taxinr = r;
                }
            }
            for (int k = 1; k <= kSlots; ++k) {
                t->s.taxen[k] = Taxi{1, 20000, 0, zahl(2), zahl(4), 1, k};
                t->s.fahrer[k] = Fahrer{1, 97, zahl(2), zahl(4), k, k, 2};
            }
        }
        verfallpruefen(a.spiel);
        fahrtenfortschreiben(a.spiel);
        verfallUndFahrten(b.spiel);
        ASSERT_EQ(a.anzeige.ereignisse, b.anzeige.ereignisse) << fall;
        ASSERT_EQ(a.anzeige.balken, b.anzeige.balken) << fall;
        ASSERT_EQ(a.anzeige.auftraege, b.anzeige.auftraege) << fall;
        ASSERT_EQ(a.anzeige.auswahl, b.anzeige.auswahl) << fall;
        ASSERT_EQ(a.anzeige.verarbeiten, b.anzeige.verarbeiten) << fall;
        ASSERT_EQ(bilderA, bilderB) << fall;
        ASSERT_TRUE(a.s.auftraege == b.s.auftraege) << fall;
        ASSERT_TRUE(a.s.taxen == b.s.taxen && a.s.fahrer == b.s.fahrer) << fall;
        ASSERT_EQ(a.s.image, b.s.image) << fall;
        ASSERT_EQ(a.s.vermoegen, b.s.vermoegen) << fall;
        ASSERT_EQ(a.zufall.seed, b.zufall.seed) << fall;
    }
}
