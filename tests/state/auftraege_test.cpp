#include <gtest/gtest.h>

#include "state/auftraege.h"

using namespace kabrolux;

namespace {

Auftrag beispiel(int32_t nummer) {
    Auftrag a;
    a.belegt = 1;
    a.abholzeit = Abholzeit::zeit(datumZeit(2026, 12, 7, 14, 5));
    a.kunde = "Herrn Meier";
    a.abholort = "Bahnhof";
    a.nummer = nummer;
    return a;
}

}  // namespace

TEST(Nummerntext, SechsStellenMitNullen) {
    EXPECT_EQ(nummernText(7), "000007");
    EXPECT_EQ(nummernText(12345), "012345");
    EXPECT_EQ(nummernText(123456), "123456");
    EXPECT_EQ(nummernText(1234567), "1234567");
}

TEST(Tabelle, RaeumenUndLeerenUnterscheidenSich) {
    Auftragstabelle t;
    t[5] = beispiel(9);
    raeumeZeile(t[5]);
    EXPECT_EQ(t[5].kennziffer, 4);
    EXPECT_EQ(t[5].abschluss, 2);
    EXPECT_EQ(t[5].belegt, 0);
    EXPECT_EQ(t[5].kunde, "");
    EXPECT_FALSE(t[5].abholzeit.istZeit());
    EXPECT_EQ(t[5].abholzeit.alsGanzzahl(), 0);

    leereTabelle(t);
    for (const Auftrag& a : t)
        EXPECT_EQ(a, Auftrag{});
    EXPECT_EQ(t[5].kennziffer, 0);
    EXPECT_EQ(t[5].abschluss, 0);
}

TEST(Tabelle, ScanNachNeuemSpielBesuchtNurZeileEins) {
    Auftragstabelle t;
    std::vector<int> besucht;
    durchlaufeBenutzte(t, [&](int r, Auftrag&) { besucht.push_back(r); });
    EXPECT_EQ(besucht, std::vector<int>{1});
}

TEST(Tabelle, ScanLaeuftUeberGeraeumteZeilenUndEndetDahinter) {
    Auftragstabelle t;
    t[1] = beispiel(1);
    t[2] = beispiel(2);
    t[3] = beispiel(3);
    raeumeZeile(t[2]);
    std::vector<int> besucht;
    durchlaufeBenutzte(t, [&](int r, Auftrag&) { besucht.push_back(r); });
    EXPECT_EQ(besucht, (std::vector<int>{1, 2, 3, 4}));
    // a cleared row is reused before a never-used one
    EXPECT_EQ(freierPlatz(t), 2);
}

TEST(Tabelle, VolleTabelle) {
    Auftragstabelle t;
    for (int r = 1; r <= kAuftragsZeilen; ++r)
        t[r] = beispiel(r);
    EXPECT_EQ(freierPlatz(t), 0);
    raeumeZeile(t[999]);
    EXPECT_EQ(freierPlatz(t), 999);
    t[999] = beispiel(999);
    int letzte = 0, anzahl = 0;
    durchlaufeBenutzte(t, [&](int r, Auftrag&) {
        letzte = r;
        ++anzahl;
    });
    EXPECT_EQ(letzte, 999);
    EXPECT_EQ(anzahl, 999);
    EXPECT_THROW(t[1000], std::out_of_range);
    EXPECT_THROW(t[0], std::out_of_range);
}
