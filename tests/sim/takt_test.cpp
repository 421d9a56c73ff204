#include <gtest/gtest.h>

#include <algorithm>

#include "bausteine.h"
#include "sim/neuesspiel.h"
#include "sim/takt.h"
#include "testanzeige.h"

using namespace kabrolux;
using namespace kabrolux::test;

namespace {

// Hooks are recognised by their traces: the stock update shifts the bank texts and
// reports to the bank screen; salaries and the money text come after it.
struct Zeitplan : ::testing::Test {
    TestSpiel t;
    void SetUp() override {
        t.s.grundpreis = 1000;  // no order is ever due: n is huge and the roll rarely 0
        for (int k = 1; k <= 4; ++k)
            eingestellterFahrer(t.s, k, k);             // salaries 97 + 129 + 161
        t.s.fahrer[4].belegt = t.s.eingestellt[4] = 0;  // dismissed: no salary any more
    }
    void ticke(int stunde, int minute) {
        t.s.spielzeit = datumZeit(2026, 12, 7, stunde, minute) - kMinute;
        t.anzeige = Aufzeichnung{};
        Timer1Timer(t.spiel);
    }
};

}  // namespace

TEST_F(Zeitplan, MitternachtKurseDannGehaelterDannGeld) {
    t.s.schulden = 10000;
    ticke(0, 0);
    ASSERT_EQ(t.anzeige.kurse, 1);
    // the interest of the stock update first, then the three salaries
    EXPECT_EQ(t.anzeige.ereignisse,
              (std::vector<std::string>{"meldung:kreditzinsen 25", "geld:49975", "geld:49588"}));
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 50000 - 25 - 387);
    EXPECT_EQ(zeitpunkt(t.anzeige.uhr.back()), "07.12.2026 00:00");
}

TEST_F(Zeitplan, VierteltagNurKurse) {
    for (int stunde : {6, 12, 18}) {
        ticke(stunde, 0);
        EXPECT_EQ(t.anzeige.kurse, 1) << stunde;
        EXPECT_DOUBLE_EQ(t.s.vermoegen, 50000) << stunde;
    }
    ticke(0, 1);
    EXPECT_EQ(t.anzeige.kurse, 0);
    EXPECT_TRUE(t.anzeige.geld.empty());
    ticke(7, 0);
    EXPECT_EQ(t.anzeige.kurse, 0);
}

TEST_F(Zeitplan, UhrUm235930ErreichtMitternachtImErstenTakt) {
    t.s.spielzeit = datumZeit(2026, 12, 7, 23, 59, 30);
    t.anzeige = Aufzeichnung{};
    Timer1Timer(t.spiel);
    EXPECT_EQ(t.anzeige.kurse, 1);
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 50000 - 387);
    EXPECT_EQ(zeitpunkt(t.anzeige.uhr.back()), "08.12.2026 00:00");
}

TEST_F(Zeitplan, TausendvierhundertvierzigTakteSindEinTag) {
    t.s.spielzeit = datumZeit(2026, 12, 7, 10, 0, 0, 0);
    int mitternacht = 0;
    for (int i = 0; i < 1440; ++i) {
        const int vorher = t.anzeige.kurse;
        Timer1Timer(t.spiel);
        if (t.anzeige.kurse > vorher) ++mitternacht;
    }
    EXPECT_EQ(mitternacht, 4);  // 12:00, 18:00, 00:00, 06:00
    EXPECT_EQ(zeitpunkt(t.anzeige.uhr.back()), "08.12.2026 10:00");
    const Zerlegt z = zerlege(t.s.spielzeit);
    EXPECT_EQ(z.sekunde, 0);
    EXPECT_EQ(z.millisekunde, 0);
}

TEST_F(Zeitplan, GehaltDarfInsMinusFuehren) {
    t.s.vermoegen = 50;
    ticke(0, 0);
    EXPECT_DOUBLE_EQ(t.s.vermoegen, -337);
    EXPECT_EQ(t.anzeige.geld.back(), (Geld{-337}));
}

// Expiry comes before the trips within a tick: 98 - 10 + 4 = 92, not min(100, 98 + 4) - 10.
TEST(Takt, VerfallVorDenFahrten) {
    TestSpiel t;
    t.s.image = 98;
    const Auftrag& verfaellt = angenommenerAuftrag(t.s, 1, 1, -18);
    Auftrag& fertig = fahrenderAuftrag(t.s, 2, 2, 1);
    fertig.imagebonus = 4;
    Timer1Timer(t.spiel);
    EXPECT_EQ(verfaellt.abschluss, 2);
    EXPECT_EQ(fertig.abschluss, 2);
    EXPECT_EQ(t.s.image, 92);
    EXPECT_EQ(t.anzeige.letzterBalken(Balken::image), 92);
}

// A dispatched order never expires: sent 17.5 minutes after its pickup time with a trip of 0
// minutes, it is paid in the next minute, not deleted with a loss of image.
TEST(Takt, SpaetGesendeteFahrtWirdBezahlt) {
    TestSpiel t;
    t.s.spielzeit = datumZeit(2026, 12, 7, 10, 17, 30);
    Auftrag& a = angenommenerAuftrag(t.s, 1, 5, -17.5);
    a.fahrzeit = 3;
    a.einnahmen = 40;
    a.imagebonus = 2;
    gekauftesTaxi(t.s, 1, 1);
    eingestellterFahrer(t.s, 1, 3);
    // -17.5 + at most 14 + 3 minutes is below zero: a trip of 0 minutes, and no accident
    t.zeit.ms = suchMs({Zug{30, 0, 14}, Zug::beliebig(1), Zug::nichtNull(90)});
    ersteZeilenSenden(t.spiel);
    ASSERT_EQ(a.unterwegs, 1);
    ASSERT_EQ(a.restminuten, 0);

    t.zeit.ms = 43'200'000;
    Timer1Timer(t.spiel);  // 10:18:30
    EXPECT_EQ(t.anzeige.meldungen,
              std::vector<Meldung>{Meldung::von(Meldungsart::fahrpreis, 5, 40)});
    EXPECT_EQ(t.s.image, 2);
    EXPECT_DOUBLE_EQ(t.s.vermoegen, 50040);
    EXPECT_EQ(t.s.erledigteauftraege, 1);
    EXPECT_EQ(t.s.taxen[1].unterwegs, 0);
}

// The trips come before the new order: a row freed by a settlement takes the order of the same
// minute.
TEST(Takt, FahrtenVorDemNeuenAuftrag) {
    TestSpiel t;
    const Auftrag& a = fahrenderAuftrag(t.s, 1, 1, 1);
    // decay and generation both reseed from this millisecond: no decay, a regular order
    t.zeit.ms = suchMs([](Zufall& z) {
        Zufall verfall = z;
        return verfall.Random(2000) != 0 && z.Random(131) == 0 && z.Random(24) != 0;
    });
    Timer1Timer(t.spiel);
    EXPECT_EQ(t.s.erledigteauftraege, 1);
    EXPECT_EQ(a.belegt, 1);
    EXPECT_EQ(a.nummer, 2);
    EXPECT_EQ(t.s.auftraege[2].belegt, 0);
}

TEST(Bekanntheit, VerfallMitBodenNull) {
    TestSpiel t;
    t.zeit.ms = suchMs([](Zufall& z) { return z.Random(2000) == 0; });
    for (int vorher : {5, 9}) {
        t.s.bekanntheit = vorher;
        bekanntheitVerfallen(t.spiel);
        EXPECT_EQ(t.s.bekanntheit, 0) << vorher;
        EXPECT_EQ(t.anzeige.letzterBalken(Balken::bekanntheit), 0) << vorher;
    }
}

TEST(Takt, KeinTaktImTaktUndPauseBleibtPause) {
    TestSpiel t;
    t.s.grundpreis = 1000;
    eingestellterFahrer(t.s, 1, 1);
    t.s.spielzeit = datumZeit(2026, 12, 7, 23, 59);
    t.s.schulden = 10000;  // the interest message opens inside the tick
    DatumZeit imTakt = 0;
    t.anzeige.beiMeldung = [&] {
        EXPECT_FALSE(t.uhr.laeuft());
        imTakt = t.s.spielzeit;
        Timer1Timer(t.spiel);          // a timer event while the message is open
        tasteGedrueckt(t.spiel, '0');  // the player pauses meanwhile
    };
    Timer1Timer(t.spiel);
    EXPECT_DOUBLE_EQ(t.s.spielzeit, imTakt);  // no second minute passed
    EXPECT_FALSE(t.uhr.laeuft());
    EXPECT_FALSE(t.uhr.gewollt());
}

TEST(Takt, SchnellerGestelltWaehrendDesTaktsLaeuftDanach) {
    TestSpiel t;
    t.s.schulden = 10000;
    t.s.spielzeit = datumZeit(2026, 12, 7, 5, 59);
    tasteGedrueckt(t.spiel, '0');
    t.anzeige.beiMeldung = [&] {
        tasteGedrueckt(t.spiel, '4');
        EXPECT_FALSE(t.uhr.laeuft());
    };
    Timer1Timer(t.spiel);
    EXPECT_TRUE(t.uhr.laeuft());
    EXPECT_EQ(t.uhr.intervall(), 50);
}

TEST(Geschwindigkeit, JedeTaste) {
    struct Fall {
        char taste;
        int intervall;
    };
    for (const Fall f : {Fall{'4', 50}, Fall{'3', 400}, Fall{'2', 1000}, Fall{'1', 2000}}) {
        TestSpiel t;
        t.uhr.ausschalten();
        tasteGedrueckt(t.spiel, f.taste);
        EXPECT_TRUE(t.uhr.laeuft()) << f.taste;
        EXPECT_EQ(t.uhr.intervall(), f.intervall) << f.taste;
        tasteGedrueckt(t.spiel, '0');
        EXPECT_FALSE(t.uhr.laeuft()) << f.taste;
        EXPECT_EQ(t.uhr.intervall(), f.intervall) << f.taste;
    }
}

TEST(Geschwindigkeit, TastenNurImSpiel) {
    TestSpiel t(false);
    tasteGedrueckt(t.spiel, '3');
    EXPECT_FALSE(t.uhr.laeuft());
    EXPECT_EQ(t.uhr.intervall(), 1000);

    // the settings buttons choose the speed before a game and it starts with it
    geschwindigkeitGewaehlt(t.spiel, 400);
    EXPECT_FALSE(t.uhr.laeuft());
    ASSERT_TRUE(neuesSpiel(t.spiel, 50000, "3", "1,2"));
    EXPECT_TRUE(t.uhr.laeuft());
    EXPECT_EQ(t.uhr.intervall(), 400);

    tasteGedrueckt(t.spiel, 'x');  // no speed key
    EXPECT_TRUE(t.uhr.laeuft());
    EXPECT_EQ(t.uhr.intervall(), 400);
}
