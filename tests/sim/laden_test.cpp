#include "sim/laden.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "speicherbeispiel.h"
#include "state/datum.h"
#include "state/speicherdatei.h"
#include "testanzeige.h"

using namespace kabrolux;
using namespace kabrolux::test;

namespace {

std::string dateiMit(const Spielstand& s, const char* name) {
    const auto pfad = std::filesystem::temp_directory_path() / name;
    EXPECT_EQ(speichereDatei(pfad.string(), s), "");
    return pfad.string();
}

}  // namespace

// Loading tells every screen what it shows: prices, the four bars, the clock, the bank's
// current prices and holdings, the money and the lists. The price history is not saved and
// stays as it was.
TEST(SpielLaden, ZeigtDenGeladenenStand) {
    const Spielstand gespeichert = mittleresSpiel();
    const std::string pfad = dateiMit(gespeichert, "kabrolux-laden-test.kbs");
    TestSpiel t;
    t.bank.vor6[0] = Kurswert::von(99);
    ASSERT_TRUE(spielLaden(t.spiel, pfad));
    std::filesystem::remove(pfad);

    EXPECT_EQ(t.anzeige.ereignisse.back(), "geld:61234,5");
    EXPECT_NE(
        std::find(t.anzeige.ereignisse.begin(), t.anzeige.ereignisse.end(), "preise:1,25/3,5"),
        t.anzeige.ereignisse.end());
    EXPECT_EQ(t.anzeige.letzterBalken(Balken::image), -20);
    EXPECT_EQ(t.anzeige.letzterBalken(Balken::bekanntheit), 140);
    EXPECT_EQ(t.anzeige.letzterBalken(Balken::untergrund), 15);
    EXPECT_EQ(t.anzeige.letzterBalken(Balken::attraktivitaet), -142);
    EXPECT_EQ(t.anzeige.uhr.back(), gespeichert.spielzeit);
    for (int k = 1; k <= kAktien; ++k) {
        EXPECT_EQ(t.bank.kurs[k - 1], Kurswert::von(95 + 3 * k)) << k;
        EXPECT_EQ(t.bank.depot[k - 1], (Depotwert{gespeichert.aktien[k].stueck, false})) << k;
    }
    EXPECT_EQ(t.bank.vor6[0], Kurswert::von(99));
    EXPECT_GE(t.anzeige.kurse, 1);
    EXPECT_GE(t.anzeige.auftraege, 1);
    EXPECT_TRUE(t.anzeige.meldungen.empty());
}

TEST(SpielLaden, FehlerWirdGemeldetUndAendertNichts) {
    TestSpiel t;
    const Spielstand vorher = t.s;
    const auto fehlt = std::filesystem::temp_directory_path() / "kabrolux-gibt-es-nicht.kbs";
    EXPECT_FALSE(spielLaden(t.spiel, fehlt.string()));
    EXPECT_EQ(t.anzeige.meldungen, std::vector<Meldung>{Meldung::laufzeit("File not found")});
    EXPECT_DOUBLE_EQ(t.s.vermoegen, vorher.vermoegen);
    EXPECT_TRUE(t.s.auftraege == vorher.auftraege);

    EXPECT_FALSE(spielSpeichern(t.spiel, (fehlt / "unmoeglich.kbs").string()));
    EXPECT_EQ(t.anzeige.meldungen.size(), 2u);
    const std::string pfad =
        (std::filesystem::temp_directory_path() / "kabrolux-speichern.kbs").string();
    EXPECT_TRUE(spielSpeichern(t.spiel, pfad));
    EXPECT_TRUE(spielLaden(t.spiel, pfad));
    std::filesystem::remove(pfad);
    EXPECT_EQ(t.anzeige.meldungen.size(), 2u);
}
