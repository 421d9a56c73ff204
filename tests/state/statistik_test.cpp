#include <gtest/gtest.h>

#include <limits>

#include "bausteine.h"
#include "sim/fahrten.h"
#include "state/auftraege.h"
#include "state/statistik.h"
#include "testanzeige.h"

using namespace kabrolux;
using namespace kabrolux::test;

TEST(Statistik, NeuesSpielAllesNull) {
    TestSpiel t;
    EXPECT_EQ(statistikBerechnen(t.s), (Statistik{0, 0, 0, 0, 0}));
}

TEST(Statistik, DreiAuftraege) {
    TestSpiel t;
    // Order 1 was settled, order 2 waits unticked, order 3 is accepted and on its way.
    raeumeZeile(t.s.auftraege[1]);
    neuerAuftrag(t.s, 2, 2);
    fahrenderAuftrag(t.s, 3, 3, 20);
    t.s.erledigteauftraege = 1;
    t.s.angenommeneauftraege = 2;
    EXPECT_EQ(statistikBerechnen(t.s), (Statistik{3, 1, 0, 2, 0}));
}

TEST(Statistik, VerfallenerAuftrag) {
    TestSpiel t;
    neuerAuftrag(t.s, 1, 1);
    angenommenerAuftrag(t.s, 2, 2);
    const Statistik vorher = statistikBerechnen(t.s);
    EXPECT_EQ(vorher, (Statistik{2, 0, 0, 1, 0}));

    loescheauftrag(t.spiel, 1);  // expired unaccepted
    EXPECT_EQ(statistikBerechnen(t.s), (Statistik{2, 0, 1, 1, 0}));
    loescheauftrag(t.spiel, 2);  // expired after it was accepted
    EXPECT_EQ(statistikBerechnen(t.s), (Statistik{2, 0, 2, 1, 1}));
}

TEST(Statistik, UnfallZaehltAlsVerpasst) {
    TestSpiel t;
    fahrenderAuftrag(t.s, 1, 1, 1, 0);  // the accident roll
    fahrtenfortschreiben(t.spiel);
    ASSERT_EQ(t.s.auftraege[1].abschluss, 2);
    EXPECT_EQ(t.s.erledigteauftraege, 0);
    EXPECT_EQ(statistikBerechnen(t.s), (Statistik{1, 0, 1, 1, 1}));
}

TEST(Statistik, GeloeschteZeilenBeendenDieSucheNicht) {
    TestSpiel t;
    for (int r = 1; r <= 5; ++r)
        raeumeZeile(t.s.auftraege[r]);
    angenommenerAuftrag(t.s, 6, 9);
    neuerAuftrag(t.s, 8, 10);  // beyond the never-used row 7: not counted
    t.s.erledigteauftraege = 4;
    t.s.angenommeneauftraege = 6;
    EXPECT_EQ(statistikBerechnen(t.s), (Statistik{10, 4, 5, 6, 1}));
}

TEST(Statistik, VolleTabelle) {
    TestSpiel t;
    for (int r = 1; r <= kAuftragsZeilen; ++r)
        (r % 3 == 0 ? angenommenerAuftrag : neuerAuftrag)(t.s, r, r, 30);
    EXPECT_EQ(statistikBerechnen(t.s), (Statistik{999, 0, 0, 333, 0}));
}

TEST(Statistik, ZaehlerAmRandDesBereichs) {
    TestSpiel t;
    t.s.auftragsnummer = std::numeric_limits<int32_t>::min();  // wrapped after 2^31 orders
    t.s.erledigteauftraege = std::numeric_limits<int32_t>::max();
    t.s.angenommeneauftraege = std::numeric_limits<int32_t>::min();
    const Statistik st = statistikBerechnen(t.s);
    EXPECT_EQ(st.erhalten, -2147483649LL);
    EXPECT_EQ(st.verpasst, -2147483649LL - 2147483647LL);
    EXPECT_EQ(st.angenommenOffen, -2147483648LL - 2147483647LL);
}
