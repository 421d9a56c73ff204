#include <gtest/gtest.h>

#include "bausteine.h"
#include "desk/taxisenden.h"
#include "sim/takt.h"
#include "state/auftraege.h"
#include "testanzeige.h"

using namespace kabrolux;
using namespace kabrolux::test;

namespace {

struct Senden : ::testing::Test {
    TestSpiel t;
    void SetUp() override {
        t.s.spielzeit = datumZeit(2026, 12, 7, 10, 0, 0);
        angenommenerAuftrag(t.s, 1, 5, 20.5).fahrzeit = 50;  // image bonus 2
        gekauftesTaxi(t.s, 1, 4, 3).zaehler = 10;
        eingestellterFahrer(t.s, 1, 3, 2);
    }
    SendenListen waehleAlles() {
        SendenListen l = sendenAufbauen(t.spiel);
        t.lauf.gewaehlterauftrag = 0;
        t.lauf.gewaehltestaxi = 0;
        t.lauf.gewaehlterfahrer = 0;
        return l;
    }
};

}  // namespace

TEST_F(Senden, ListenUndAuswahlNachAuffrischung) {
    t.s.auftraege[2] = t.s.auftraege[1];
    t.s.auftraege[2].nummer = 6;
    t.s.auftraege[2].angenommen = 0;
    t.s.auftraege[3] = t.s.auftraege[1];
    t.s.auftraege[3].nummer = 7;
    t.s.auftraege[3].sonderauftrag = 3;  // a special order's outcome: only a file leaves it unsent
    t.lauf.gewaehlterauftrag = 2;
    t.lauf.gewaehltestaxi = 3;
    t.lauf.gewaehlterfahrer = 4;
    const SendenListen l = sendenAufbauen(t.spiel);
    ASSERT_EQ(l.auftraege.size(), 1u);
    EXPECT_EQ(l.auftraege[0], t.s.auftraege[1]);
    EXPECT_EQ(l.taxen, (std::vector<Taxizeile>{{3, 4}}));     // number, model
    EXPECT_EQ(l.fahrer, (std::vector<Fahrerzeile>{{2, 3}}));  // number, candidate
    EXPECT_EQ(t.lauf.gewaehlterauftrag, -1);
    EXPECT_EQ(t.lauf.gewaehltestaxi, -1);
    EXPECT_EQ(t.lauf.gewaehlterfahrer, -1);
}

// Lists rebuilt without a refresh request keep each chosen line where it now stands.
TEST_F(Senden, NachgefuehrteListenBehaltenDieWahl) {
    aufFahrt(gekauftesTaxi(t.s, 2, 1, 4), 3);
    const SendenListen alt = waehleAlles();
    t.lauf.gewaehlterfahrer = 5;  // past the list
    t.s.taxen[2].unterwegs = 0;   // taxi 04 is free again, after 03
    t.s.taxen[1].unterwegs = 1;   // and the chosen 03 gone
    gekauftesTaxi(t.s, 3, 2, 1);  // and 01 after it
    const SendenListen neu = sendenNachfuehren(t.spiel, alt);
    EXPECT_EQ(neu.taxen, (std::vector<Taxizeile>{{4, 1}, {1, 2}}));
    EXPECT_EQ(t.lauf.gewaehlterauftrag, 0);
    EXPECT_EQ(t.lauf.gewaehltestaxi, -1);
    EXPECT_EQ(t.lauf.gewaehlterfahrer, -1);
    t.lauf.gewaehltestaxi = 1;
    t.s.taxen[2].unterwegs = 1;
    sendenNachfuehren(t.spiel, neu);
    EXPECT_EQ(t.lauf.gewaehltestaxi, 0);  // 01 moved up
}

TEST_F(Senden, MeldungenInDerReihenfolgeAuftragTaxiFahrer) {
    const SendenListen l = sendenAufbauen(t.spiel);
    taxiSenden(t.spiel, l);
    t.lauf.gewaehlterauftrag = 0;
    t.lauf.gewaehlterfahrer = 0;
    taxiSenden(t.spiel, l);
    t.lauf.gewaehltestaxi = 0;
    t.lauf.gewaehlterfahrer = -1;
    taxiSenden(t.spiel, l);
    EXPECT_EQ(t.anzeige.meldungen,
              (std::vector<Meldung>{Meldung::von(Meldungsart::auftragWaehlen),
                                    Meldung::von(Meldungsart::taxiWaehlen),
                                    Meldung::von(Meldungsart::fahrerWaehlen)}));
    EXPECT_EQ(t.s.auftraege[1].unterwegs, 0);
}

TEST_F(Senden, FahrzeitUndZiehungen) {
    // 20.5 minutes before pickup, fahrzeit 50, Random(30) = 7: 77.5 gives 77
    t.zeit.ms = suchMs({Zug::gleich(30, 7), Zug::gleich(4, 2), Zug::gleich(90, 17)});
    const SendenListen l = waehleAlles();
    taxiSenden(t.spiel, l);
    const Auftrag& a = t.s.auftraege[1];
    EXPECT_EQ(a.restminuten, 77);
    EXPECT_EQ(t.s.taxen[1].restminuten, 77);
    EXPECT_EQ(t.s.fahrer[1].restminuten, 77);
    EXPECT_EQ(a.unterwegs, 1);
    EXPECT_EQ(a.taxinr, 3);
    EXPECT_EQ(a.imagebonus, 4);
    EXPECT_EQ(a.unfallwurf, 17);
    EXPECT_EQ(t.s.taxen[1].zaehler, 15);
    EXPECT_EQ(t.s.taxen[1].unterwegs, 1);
    EXPECT_EQ(t.s.fahrer[1].unterwegs, 1);
    EXPECT_EQ(t.lauf.gewaehlterauftrag, -1);
    EXPECT_EQ(t.lauf.gewaehltestaxi, -1);
    EXPECT_EQ(t.lauf.gewaehlterfahrer, -1);
    EXPECT_GE(t.anzeige.auftraege, 1);
    const SendenListen danach = sendenAufbauen(t.spiel);
    EXPECT_TRUE(danach.auftraege.empty());
    EXPECT_TRUE(danach.taxen.empty());
    EXPECT_TRUE(danach.fahrer.empty());
    // a second press right after shows the order message
    taxiSenden(t.spiel, danach);
    EXPECT_EQ(t.anzeige.meldungen.back(), Meldung::von(Meldungsart::auftragWaehlen));
}

// The span to the pickup counts in minutes of exactly 1/1440 day: 99.95 minutes give 99, 100.02
// give 100 (a day of 1439 or 1441 minutes would be off by one here).
TEST_F(Senden, MinutenBisZurAbholung) {
    for (const double vorlauf : {99.95, 100.02}) {
        t.s.auftraege[1].abholzeit = Abholzeit::zeit(t.s.spielzeit + vorlauf * kMinute);
        t.s.auftraege[1].unterwegs = 0;
        t.s.taxen[1].unterwegs = 0;
        t.s.fahrer[1].unterwegs = 0;
        t.zeit.ms = suchMs({Zug::gleich(30, 0)});
        taxiSenden(t.spiel, waehleAlles());
        EXPECT_EQ(t.s.auftraege[1].restminuten, static_cast<int>(vorlauf) + 50) << vorlauf;
    }
}

TEST_F(Senden, VerspaeteteFahrtWirdNull) {
    // 15.5 minutes late, fahrzeit 3: a delay of 2 gives -10.5, one of 11 gives -1.5 (cut to -1)
    for (int32_t verzoegerung : {2, 11}) {
        t.s.auftraege[1].fahrzeit = 3;
        t.s.auftraege[1].abholzeit = Abholzeit::zeit(t.s.spielzeit - 15.5 * kMinute);
        t.s.auftraege[1].unterwegs = 0;
        gekauftesTaxi(t.s, 1, 4, 3).restminuten = 9;  // left from an earlier trip
        eingestellterFahrer(t.s, 1, 3, 2).restminuten = 9;
        t.zeit.ms = suchMs({Zug::gleich(30, verzoegerung)});
        taxiSenden(t.spiel, waehleAlles());
        EXPECT_EQ(t.s.auftraege[1].restminuten, 0) << verzoegerung;
        EXPECT_EQ(t.s.taxen[1].restminuten, 0) << verzoegerung;
        EXPECT_EQ(t.s.fahrer[1].restminuten, 0) << verzoegerung;
        EXPECT_EQ(t.s.auftraege[1].unterwegs, 1);
    }
}

TEST_F(Senden, ModellEinsGibtNieBonusUndSonderauftragWirdGewuerfelt) {
    t.s.taxen[1].modell = 1;
    t.s.auftraege[1].sonderauftrag = 1;
    // the fourth draw, Random(4), gives 3: the special order will succeed (4)
    t.zeit.ms = suchMs({Zug::beliebig(30), Zug::beliebig(1), Zug::beliebig(90), Zug::gleich(4, 3)});
    taxiSenden(t.spiel, waehleAlles());
    EXPECT_EQ(t.s.auftraege[1].imagebonus, 2);
    EXPECT_EQ(t.s.auftraege[1].sonderauftrag, 4);
}

TEST_F(Senden, DreistelligeFahrernummerSchicktDenRichtigenFahrer) {
    t.s.fahrer[1].nummer = 10;
    eingestellterFahrer(t.s, 2, 4, 100);
    SendenListen l = waehleAlles();
    ASSERT_EQ(l.fahrer.size(), 2u);
    EXPECT_EQ(l.fahrer[1].nummer, 100);
    t.lauf.gewaehlterfahrer = 1;
    taxiSenden(t.spiel, l);
    EXPECT_EQ(t.s.fahrer[2].unterwegs, 1);
    EXPECT_EQ(t.s.fahrer[1].unterwegs, 0);
}

TEST_F(Senden, VeralteteZeileAendertNichtsUndBautNeu) {
    SendenListen l = waehleAlles();
    t.s.auftraege[1].nummer = 77;  // the order went away underneath the list
    const int vorher = t.anzeige.auswahl;
    taxiSenden(t.spiel, l);
    EXPECT_EQ(t.s.fahrer[1].unterwegs, 0);
    EXPECT_EQ(t.s.taxen[1].unterwegs, 0);
    EXPECT_EQ(t.anzeige.auswahl, vorher + 1);
    EXPECT_EQ(t.lauf.gewaehlterauftrag, -1);

    // a selection outside its list
    for (int32_t* auswahl :
         {&t.lauf.gewaehlterauftrag, &t.lauf.gewaehltestaxi, &t.lauf.gewaehlterfahrer})
        for (int32_t falsch : {1, 5, -2}) {
            l = waehleAlles();
            *auswahl = falsch;
            taxiSenden(t.spiel, l);
            EXPECT_EQ(t.s.fahrer[1].unterwegs, 0) << falsch;
            EXPECT_EQ(t.s.auftraege[1].unterwegs, 0) << falsch;
        }
}

// Lines that no longer fit the state send nothing: a driver dismissed after the lists were
// built, a line whose number names nothing, an order not accepted, an order sent already.
TEST_F(Senden, NurWasNochGesendetWerdenKann) {
    SendenListen l = waehleAlles();
    t.s.fahrer[1].belegt = 0;
    taxiSenden(t.spiel, l);
    EXPECT_EQ(t.s.auftraege[1].unterwegs, 0);
    EXPECT_EQ(t.s.taxen[1].unterwegs, 0);
    t.s.fahrer[1].belegt = 1;

    // the taxi or the driver went on a trip meanwhile
    for (int32_t* unterwegs : {&t.s.taxen[1].unterwegs, &t.s.fahrer[1].unterwegs}) {
        waehleAlles();
        *unterwegs = 1;
        taxiSenden(t.spiel, l);
        EXPECT_EQ(t.s.auftraege[1].unterwegs, 0);
        EXPECT_EQ(t.s.taxen[1].restminuten + t.s.fahrer[1].restminuten, 0);
        *unterwegs = 0;
    }

    for (int32_t* nummer : {&l.auftraege[0].nummer, &l.taxen[0].nummer, &l.fahrer[0].nummer}) {
        const int32_t richtig = *nummer;
        *nummer = 0;
        waehleAlles();
        taxiSenden(t.spiel, l);
        EXPECT_EQ(t.s.auftraege[1].unterwegs, 0);
        *nummer = richtig;
    }

    t.s.auftraege[1].angenommen = 0;
    waehleAlles();
    taxiSenden(t.spiel, l);
    EXPECT_EQ(t.s.auftraege[1].unterwegs, 0);
    t.s.auftraege[1].angenommen = 1;

    waehleAlles();
    taxiSenden(t.spiel, l);
    ASSERT_EQ(t.s.auftraege[1].unterwegs, 1);
    // the same lines once more, with a second taxi and driver free
    gekauftesTaxi(t.s, 2, 1, 4);
    eingestellterFahrer(t.s, 2, 1, 5);
    l.taxen = {{4, 1}};
    l.fahrer = {{5, 1}};
    t.lauf.gewaehlterauftrag = t.lauf.gewaehltestaxi = t.lauf.gewaehlterfahrer = 0;
    taxiSenden(t.spiel, l);
    EXPECT_EQ(t.s.taxen[2].unterwegs, 0);
    EXPECT_EQ(t.s.fahrer[2].unterwegs, 0);
}

// The last slot of each table is found too.
TEST_F(Senden, LetzterSlot) {
    t.s.taxen[12] = t.s.taxen[1];
    t.s.taxen[1] = Taxi{};
    t.s.fahrer[12] = t.s.fahrer[1];
    t.s.fahrer[1] = Fahrer{};
    taxiSenden(t.spiel, waehleAlles());
    EXPECT_EQ(t.s.taxen[12].unterwegs, 1);
    EXPECT_EQ(t.s.fahrer[12].unterwegs, 1);
}

TEST_F(Senden, UhrStehtWaehrendDesSendensUndBleibtWieSieWar) {
    bool liefWaehrenddessen = true;
    t.anzeige.beiAuftraegen = [&] { liefWaehrenddessen = t.uhr.laeuft(); };
    t.uhr.einschalten();
    taxiSenden(t.spiel, waehleAlles());
    EXPECT_EQ(t.s.auftraege[1].unterwegs, 1);
    EXPECT_FALSE(liefWaehrenddessen);
    EXPECT_TRUE(t.uhr.laeuft());

    t.uhr.ausschalten();
    taxiSenden(t.spiel, sendenAufbauen(t.spiel));
    EXPECT_FALSE(t.uhr.laeuft());
}

namespace {

// The player dispatches from within the message of a settlement in the middle of a tick.
struct MittenImTakt : ::testing::Test {
    TestSpiel t;
    int sendezeile = 0;

    void wartend(int r, int32_t nummer) { angenommenerAuftrag(t.s, r, nummer, 1).fahrzeit = 3; }
    // Sends the order of row `sendezeile` with taxi 5 and driver 5 at the first settlement.
    void sendenBeiDerErstenMeldung() {
        gekauftesTaxi(t.s, 5, 1);
        eingestellterFahrer(t.s, 5, 1);
        bool gesendet = false;
        t.anzeige.beiVerarbeiten = [this, gesendet]() mutable {
            if (gesendet) return;
            gesendet = true;
            const SendenListen l = sendenAufbauen(t.spiel);
            const int32_t nr = t.s.auftraege[sendezeile].nummer;
            for (std::size_t i = 0; i < l.auftraege.size(); ++i)
                if (l.auftraege[i].nummer == nr) auftragGewaehlt(t.spiel, i);
            for (std::size_t i = 0; i < l.taxen.size(); ++i)
                if (l.taxen[i].nummer == 5) taxiGewaehlt(t.spiel, i);
            for (std::size_t i = 0; i < l.fahrer.size(); ++i)
                if (l.fahrer[i].nummer == 5) fahrerGewaehlt(t.spiel, i);
            taxiSenden(t.spiel, l);
        };
    }
    // Ticks until the sent order is settled: taxi and driver are busy exactly as long as it.
    void bisZurAbrechnung() {
        t.uhr.einschalten();
        Timer1Timer(t.spiel);
        ASSERT_EQ(t.s.auftraege[sendezeile].unterwegs, 1) << "the dispatch did not happen";
        for (int takt = 0; takt < 400 && t.s.auftraege[sendezeile].belegt == 1; ++takt) {
            EXPECT_EQ(t.s.taxen[5].unterwegs, 1) << takt;
            EXPECT_EQ(t.s.fahrer[5].unterwegs, 1) << takt;
            EXPECT_EQ(t.s.taxen[5].restminuten, t.s.auftraege[sendezeile].restminuten) << takt;
            Timer1Timer(t.spiel);
        }
        EXPECT_EQ(t.s.auftraege[sendezeile].belegt, 0);
        EXPECT_EQ(t.s.taxen[5].unterwegs, 0);
        EXPECT_EQ(t.s.fahrer[5].unterwegs, 0);
    }
};

}  // namespace

TEST_F(MittenImTakt, ZeileSchonGezaehltSlotNochNicht) {
    wartend(1, 11);                   // its row is passed before the message
    fahrenderAuftrag(t.s, 2, 12, 1);  // settles this tick with a message
    sendezeile = 1;
    sendenBeiDerErstenMeldung();
    bisZurAbrechnung();
}

TEST_F(MittenImTakt, ZeileUndSlotNochNichtGezaehlt) {
    fahrenderAuftrag(t.s, 1, 11, 1);  // settles this tick with a message
    fahrenderAuftrag(t.s, 2, 12, 30);
    wartend(3, 13);  // sent while the message is open
    sendezeile = 3;
    sendenBeiDerErstenMeldung();
    bisZurAbrechnung();
}
