#include "sim/verlauf.h"

#include <gtest/gtest.h>

#include <tuple>

#include "bausteine.h"
#include "ordnertest.h"
#include "sim/laden.h"
#include "sim/spiel.h"
#include "sim/takt.h"
#include "speicherbeispiel.h"
#include "state/speicherdatei.h"
#include "testanzeige.h"

using namespace kabrolux;
using namespace kabrolux::test;

namespace {

// Every field of a sample is the figure of the game it was taken from.
void erwartePunktAus(const Verlaufspunkt& p, const Spielstand& s) {
    EXPECT_EQ(p.vermoegen, s.vermoegen);
    EXPECT_EQ(p.schulden, s.schulden);
    EXPECT_EQ(p.image, s.image);
    EXPECT_EQ(p.bekanntheit, s.bekanntheit);
    EXPECT_EQ(p.untergrundansehen, s.untergrundansehen);
    EXPECT_EQ(p.attraktivitaet, s.attraktivitaet);
    for (int k = 1; k <= kAktien; ++k)
        EXPECT_EQ(p.kurse[k - 1], s.aktien[k].kurs) << k;
    // No order is in the table: received 9, settled 4, missed 5, accepted 6.
    EXPECT_EQ(std::tuple(p.erhalten, p.erledigt, p.verpasst, p.angenommen), std::tuple(9, 4, 5, 6));
}

}  // namespace

// Ticks across an hour, midnight and a load: a sample on every full hour, taken after the
// minute's duties (midnight's salaries are in it); a load starts an empty history. Each
// sample and the new beginning are told to the screens.
using VerlaufDatei = OrdnerTest;
TEST_F(VerlaufDatei, StuendlichUeberMitternachtUndLaden) {
    TestSpiel t;
    t.s.grundpreis = 1000;  // no order falls due
    eingestellterFahrer(t.s, 1, 1);
    t.s.spielzeit = datumZeit(2026, 12, 7, 22, 58);
    // A different value in every field, so a sample that mixes two up shows.
    t.s.vermoegen = 123456.5;
    t.s.schulden = 30000;
    t.s.image = 17;
    t.s.bekanntheit = 42;
    t.s.untergrundansehen = 3;
    for (int k = 1; k <= kAktien; ++k)
        t.s.aktien[k].kurs = 100 + k;
    t.s.auftragsnummer = 10;
    t.s.erledigteauftraege = 4;
    t.s.angenommeneauftraege = 6;
    EXPECT_FALSE(t.spiel.verlauf().geladen());  // since the game began
    const auto pfad = (ordner / "stand.kbs").string();
    ASSERT_EQ(speichereDatei(pfad, mittleresSpiel()), "");
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
        {60, 1, datumZeit(2026, 12, 10, 17, 0), 1},
    };
    for (const auto& s : schritte) {
        const int vorher = t.anzeige.verlauf;
        if (s.takte == 0) {
            ASSERT_TRUE(spielLaden(t.spiel, pfad));
        }
        for (int i = 0; i < s.takte; ++i) {
            t.s.attraktivitaet = 0;  // the minute's last duty sets it again
            Timer1Timer(t.spiel);
        }
        const Verlauf& v = t.spiel.verlauf();
        ASSERT_EQ(v.anzahl(), s.anzahl) << zeitpunkt(t.s.spielzeit);
        EXPECT_EQ(t.anzeige.verlauf - vorher, s.gemeldet) << zeitpunkt(t.s.spielzeit);
        if (s.anzahl == 0) continue;
        EXPECT_EQ(zeitpunkt(v[s.anzahl - 1].zeit), zeitpunkt(s.letzte));
        if (s.takte == 1) erwartePunktAus(v[s.anzahl - 1], t.s);
    }
    // since the load at its game time
    EXPECT_TRUE(t.spiel.verlauf().geladen());
    EXPECT_EQ(zeitpunkt(t.spiel.verlauf().beginn()), "10.12.2026 16:57");
}

// Two months of hours fit in the ring.
static_assert(Verlauf::kPlaetze >= 60 * 24);

// The ring keeps the newest samples in order once full; a new beginning empties it.
TEST(Verlauf, RingUeberschreibtDieAeltesten) {
    Verlauf v;
    for (int i = 0; i < Verlauf::kPlaetze + 5; ++i) {
        Verlaufspunkt p;
        p.zeit = i;
        v.aufnehmen(p);
    }
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
