#include "sim/verlauf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "bausteine.h"
#include "sim/laden.h"
#include "sim/spiel.h"
#include "sim/takt.h"
#include "speicherbeispiel.h"
#include "state/speicherdatei.h"
#include "testanzeige.h"

using namespace kabrolux;
using namespace kabrolux::test;

// Ticks across an hour, midnight and a load: a sample on every full hour, taken after the
// minute's duties (midnight's salaries are in it); a load starts an empty history. Each
// sample and the new beginning are told to the screens.
TEST(Verlauf, StuendlichUeberMitternachtUndLaden) {
    TestSpiel t;
    t.s.grundpreis = 1000;  // no order falls due
    eingestellterFahrer(t.s, 1, 1);
    t.s.spielzeit = datumZeit(2026, 12, 7, 22, 58);
    const Spielstand geladen = mittleresSpiel();
    EXPECT_EQ(verlaufSeitText(t.spiel.verlauf()), "seit Spielbeginn");
    const auto pfad = std::filesystem::temp_directory_path() / "kabrolux-verlauf-test.kbs";
    ASSERT_EQ(speichereDatei(pfad.string(), geladen), "");
    const struct {
        int takte;  // 0: load the file
        int anzahl;
        DatumZeit letzte;
        int gemeldet;
    } schritte[] = {
        {1, 0, 0, 0},
        {1, 1, datumZeit(2026, 12, 7, 23, 0), 1},
        {59, 1, datumZeit(2026, 12, 7, 23, 0), 0},
        {1, 2, datumZeit(2026, 12, 8, 0, 0), 1},
        {0, 0, 0, 1},
        {60, 1, std::floor(geladen.spielzeit * 24 + 1) / 24, 1},
    };
    for (const auto& s : schritte) {
        const int vorher = t.anzeige.verlauf;
        if (s.takte == 0) {
            ASSERT_TRUE(spielLaden(t.spiel, pfad.string()));
        }
        for (int i = 0; i < s.takte; ++i) {
            t.s.attraktivitaet = 0;  // the minute's last duty sets it again
            Timer1Timer(t.spiel);
        }
        const Verlauf& v = t.spiel.verlauf();
        ASSERT_EQ(v.anzahl(), s.anzahl) << uhrText(t.s.spielzeit);
        EXPECT_EQ(t.anzeige.verlauf - vorher, s.gemeldet) << uhrText(t.s.spielzeit);
        if (s.anzahl == 0) continue;
        EXPECT_EQ(uhrText(v[s.anzahl - 1].zeit), uhrText(s.letzte));
        if (s.takte == 1) {
            EXPECT_TRUE(v[s.anzahl - 1] == verlaufspunkt(t.s));
        }
    }
    std::filesystem::remove(pfad);
    EXPECT_EQ(verlaufSeitText(t.spiel.verlauf()), "seit dem Laden am " +
                                                      datumText(geladen.spielzeit) + " um " +
                                                      zeitText(geladen.spielzeit) + " Uhr");
}

// The ring keeps the newest samples in order once full; a new beginning empties it.
TEST(Verlauf, RingUeberschreibtDieAeltesten) {
    Verlauf v;
    for (int i = 0; i < Verlauf::kPlaetze + 5; ++i) {
        Verlaufspunkt p;
        p.zeit = i;
        v.aufnehmen(p);
    }
    EXPECT_GE(Verlauf::kPlaetze, 60 * 24);
    EXPECT_EQ(v.anzahl(), Verlauf::kPlaetze);
    EXPECT_TRUE(v.gekuerzt());
    EXPECT_EQ(v[0].zeit, 5);
    EXPECT_EQ(v[Verlauf::kPlaetze - 1].zeit, Verlauf::kPlaetze + 4);
    v.neuBeginnen(false, 7);
    EXPECT_TRUE(v.leer());
    EXPECT_FALSE(v.gekuerzt());
    EXPECT_EQ(v.beginn(), 7);
}

TEST(Verlauf, AttraktivitaetAlsPunkte) {
    const std::pair<int32_t, int> faelle[] = {
        {-10, 100}, {-55, 50}, {-100, 0}, {-142, 0}, {5, 100}};
    for (const auto& [wert, punkte] : faelle)
        EXPECT_EQ(attraktivitaetspunkte(wert), punkte) << wert;
}
