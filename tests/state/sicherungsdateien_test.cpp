// The running game's own files: where they lie, how the last three states move back, and what
// the next start offers.
#include "state/sicherungsdateien.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <set>

#include "ordnertest.h"
#include "speicherbeispiel.h"

using namespace kabrolux;
using namespace kabrolux::test;
namespace fs = std::filesystem;

namespace {

double vermoegenIn(const std::string& pfad) {
    Spielstand s;
    return ladeDatei(pfad, s).leer() ? s.vermoegen : -1;
}

// The real calls; a save may stop after `grenze` bytes as a kill stops it, leaving its new file
// behind; a folder may refuse hard links.
class Gebremst : public Dateisystem {
  public:
    std::size_t grenze = SIZE_MAX, geschrieben = 0;
    bool ohneLinks = false, liegenLassen = false;
    int schreiben(int fd, const uint8_t* d, std::size_t n, std::size_t& anzahl) override {
        const int f = geschrieben >= grenze ? (anzahl = 0, EIO)
                                            : Dateisystem::schreiben(
                                                  fd, d, std::min(n, grenze - geschrieben), anzahl);
        geschrieben += anzahl;
        return f;
    }
    int verknuepfen(const std::string& von, const std::string& nach) override {
        return ohneLinks ? EPERM : Dateisystem::verknuepfen(von, nach);
    }
    int entfernen(const std::string& p) override {
        return liegenLassen ? 0 : Dateisystem::entfernen(p);
    }
};

class Sicherung : public OrdnerTest {
  protected:
    void leeren() {
        fs::remove_all(ordner);
        fs::create_directory(ordner);
    }
    Gebremst g;
};

}  // namespace

TEST(Sicherungsordner, FolgtXdgStateHome) {
    const struct {
        const char *xdg, *home, *ordner;
    } faelle[] = {{"/x/state/", "/home/a", "/x/state/kabrolux"},
                  {nullptr, "/home/a/", "/home/a/.local/state/kabrolux"},
                  {"", "/home/a", "/home/a/.local/state/kabrolux"},
                  {"relativ", "/home/a", "/home/a/.local/state/kabrolux"},
                  {"/", nullptr, "/kabrolux"},
                  {nullptr, "home/a", ""}};
    for (const auto& f : faelle)
        EXPECT_EQ(sicherungsordner(f.xdg, f.home), f.ordner) << f.ordner;
}

TEST_F(Sicherung, OrdnerEntstehtNurFuerDenSpieler) {
    ASSERT_EQ(ordnerAnlegen((ordner / "a" / "kabrolux").string()), 0);
    for (const fs::path& p : {ordner / "a", ordner / "a" / "kabrolux"}) {
        struct stat st {};
        ASSERT_EQ(stat(p.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u) << p;
    }
    EXPECT_EQ(ordnerAnlegen((ordner / "a" / "kabrolux").string()), 0);  // already there
    std::ofstream(ordner / "datei") << "x";
    EXPECT_EQ(ordnerAnlegen((ordner / "datei").string()), ENOTDIR);
    EXPECT_EQ(ordnerAnlegen((ordner / "datei" / "k").string()), ENOTDIR);
    EXPECT_EQ(ordnerAnlegen(""), ENOENT);
    // A folder nobody may make, not even root, gives the reason mkdir gave.
    if (fs::is_directory("/sys")) {
        EXPECT_EQ(ioFehlertext(ordnerAnlegen("/sys/k")), "File access denied");
    }
}

TEST_F(Sicherung, DieLetztenDreiStaendeRuecken) {
    for (bool ohneLinks : {false, true}) {
        g.ohneLinks = ohneLinks;
        Sicherungsdateien d(ordner.string(), 2, g);
        for (double v : {1.0, 2.0, 3.0, 4.0, 5.0})
            ASSERT_EQ(d.schreiben(startStand(v)), "");
        EXPECT_EQ(namen(), (std::set<std::string>{"spiel-2.kbs", "spiel-2-vorher.kbs",
                                                  "spiel-2-vorvorher.kbs"}));
        for (int alter = 0; alter < 3; ++alter)
            EXPECT_EQ(vermoegenIn(d.stand(alter)), 5.0 - alter) << alter << ohneLinks;
        leeren();
    }
    EXPECT_EQ(Sicherungsdateien("/o", 7, g).schloss(), "/o/spiel-7.lock");
    EXPECT_EQ(Sicherungsdateien("/o", 7, g).endmarke(), "/o/spiel-7.beendet");
}

TEST_F(Sicherung, NachDemAbschliessenWirdNichtsAngeboten) {
    Sicherungsdateien d(ordner.string(), 1, g);
    EXPECT_EQ(d.pruefen().angebot.pfad, "");  // an empty folder
    ASSERT_EQ(d.schreiben(startStand(7)), "");
    const Sicherungsdateien::Pruefung p = d.pruefen();
    EXPECT_EQ(p.angebot.pfad, d.stand(0));
    EXPECT_EQ(p.angebot.stand->vermoegen, 7.0);
    ASSERT_EQ(d.abschliessen(), "");
    EXPECT_EQ(d.abschliessen(), "");  // twice is once
    EXPECT_EQ(d.pruefen().angebot.pfad, "");
    // The next write belongs to a run that has not ended.
    ASSERT_EQ(d.schreiben(startStand(8)), "");
    EXPECT_EQ(d.pruefen().angebot.stand->vermoegen, 8.0);
    // A declined state lies where the turn of the three does not reach it.
    ASSERT_EQ(d.verwerfen(d.stand(0)), "");
    EXPECT_EQ(d.pruefen().angebot.pfad, "");
    for (double v : {9.0, 10.0, 11.0})
        ASSERT_EQ(d.schreiben(startStand(v)), "");
    EXPECT_EQ(vermoegenIn(d.verworfen()), 8.0);
    // Another copy's files are its own.
    EXPECT_EQ(Sicherungsdateien(ordner.string(), 2, g).pruefen().angebot.pfad, "");
}

// Cut off, too long, foreign: whatever the loader refuses is moved aside and never offered;
// the newest state that loads is.
TEST_F(Sicherung, BeschaedigteStaendeKommenBeiseite) {
    const Bild kaputt[] = {Bild(1000, 0), Bild(speicherformat::kGroesse + 1, 0),
                           Bild(speicherformat::kGroesse, 'x')};
    for (int n = 0; n <= 3; ++n) {
        Sicherungsdateien d(ordner.string(), 1, g);
        for (double v : {1.0, 2.0, 3.0})
            ASSERT_EQ(d.schreiben(startStand(v)), "");
        for (int alter = 0; alter < n; ++alter)
            std::ofstream(d.stand(alter), std::ios::binary)
                .write(reinterpret_cast<const char*>(kaputt[alter].data()),
                       static_cast<std::streamsize>(kaputt[alter].size()));
        const Sicherungsdateien::Pruefung p = d.pruefen();
        ASSERT_EQ(p.beiseite.size(), static_cast<std::size_t>(n));
        for (int alter = 0; alter < n; ++alter) {
            EXPECT_EQ(p.beiseite[alter], d.stand(alter));
            EXPECT_EQ(dateiInhalt(d.stand(alter) + ".beschaedigt"), kaputt[alter]);
        }
        EXPECT_EQ(p.angebot.pfad, n == 3 ? "" : d.stand(n));
        if (n < 3) {
            EXPECT_EQ(p.angebot.stand->vermoegen, 3.0 - n);
        }
        leeren();
    }
}

// A kill in the middle of a save: the newest name still holds the state before, whole, and
// that is what the next start offers. A folder that takes nothing says why.
TEST_F(Sicherung, EinAbbruchLaesstDenVorigenStand) {
    for (std::size_t grenze : {std::size_t{0}, speicherformat::kGroesse - 1}) {
        Sicherungsdateien d(ordner.string(), 1, g);
        ASSERT_EQ(d.schreiben(startStand(1)), "");
        ASSERT_EQ(d.schreiben(startStand(2)), "");
        g.grenze = g.geschrieben + grenze;
        g.liegenLassen = true;
        EXPECT_EQ(d.schreiben(startStand(3)), "I/O error 5");
        const Sicherungsdateien::Pruefung p = d.pruefen();
        EXPECT_EQ(p.angebot.pfad, d.stand(0)) << grenze;
        EXPECT_EQ(p.angebot.stand->vermoegen, 2.0);
        EXPECT_EQ(vermoegenIn(d.stand(1)), 1.0);  // a failed write moves nothing back
        EXPECT_TRUE(p.beiseite.empty());
        g = Gebremst();
        leeren();
    }
    Sicherungsdateien fehlt((ordner / "fehlt").string(), 1, g);
    EXPECT_EQ(fehlt.schreiben(startStand(1)), "File not found");
    EXPECT_EQ(fehlt.abschliessen(), "File not found");
}
