// The running game's own files: where they lie, how the last three states move back, and what
// the next start offers.
#include "state/sicherungsdateien.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "bausteine.h"
#include "ordnertest.h"
#include "speicherbeispiel.h"

using namespace kabrolux;
using namespace kabrolux::test;
namespace fs = std::filesystem;

namespace {

// Each state a game the tests tell apart by its money.
Spielstand standMit(double vermoegen) {
    Spielstand s = startStand();
    s.vermoegen = vermoegen;
    return s;
}

double vermoegenIn(const std::string& pfad) {
    Spielstand s;
    EXPECT_EQ(ladeDatei(pfad, s), "") << pfad;
    return s.vermoegen;
}

// The real calls; a save may stop after `grenze` bytes as a kill would stop it, leaving its
// new file behind; a folder may refuse hard links.
class Gebremst : public Dateisystem {
  public:
    std::size_t grenze = SIZE_MAX, geschrieben = 0;
    bool ohneLinks = false, liegenLassen = false;
    int schreiben(int fd, const uint8_t* d, std::size_t n, std::size_t& anzahl) override {
        if (geschrieben >= grenze) {
            anzahl = 0;
            return EIO;
        }
        const int f = Dateisystem::schreiben(fd, d, std::min(n, grenze - geschrieben), anzahl);
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
    std::set<std::string> namen() const {
        std::set<std::string> n;
        for (const auto& e : fs::directory_iterator(ordner))
            n.insert(e.path().filename().string());
        return n;
    }
    Dateisystem echt;
};

}  // namespace

TEST(Sicherungsordner, FolgtXdgStateHome) {
    const struct {
        const char *xdg, *home, *ordner;
    } faelle[] = {
        {"/x/state", "/home/a", "/x/state/kabrolux"},
        {"/x/state/", "/home/a", "/x/state/kabrolux"},
        {nullptr, "/home/a", "/home/a/.local/state/kabrolux"},
        {"", "/home/a", "/home/a/.local/state/kabrolux"},
        {"relativ/state", "/home/a", "/home/a/.local/state/kabrolux"},
        {"/", "/home/a", "/kabrolux"},
        {nullptr, "/", "/.local/state/kabrolux"},
        {nullptr, nullptr, ""},
        {"", "home/a", ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(sicherungsordner(f.xdg, f.home), f.ordner)
            << (f.xdg ? f.xdg : "-") << " " << (f.home ? f.home : "-");
}

TEST_F(Sicherung, OrdnerEntstehtNurFuerDenSpieler) {
    const fs::path tief = ordner / "a" / "b" / "kabrolux";
    ASSERT_EQ(ordnerAnlegen(tief.string()), 0);
    for (const fs::path& p : {ordner / "a", ordner / "a" / "b", tief}) {
        struct stat st {};
        ASSERT_EQ(stat(p.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u) << p;
    }
    EXPECT_EQ(ordnerAnlegen(tief.string()), 0);  // already there
    std::ofstream(ordner / "datei") << "x";
    EXPECT_EQ(ordnerAnlegen((ordner / "datei").string()), ENOTDIR);
    EXPECT_EQ(ordnerAnlegen((ordner / "datei" / "k").string()), ENOTDIR);
    EXPECT_EQ(ordnerAnlegen(""), ENOENT);
}

TEST_F(Sicherung, NamenJeKopie) {
    Sicherungsdateien eins(ordner.string(), 1, echt), zwoelf(ordner.string(), 12, echt);
    const std::string o = ordner.string() + "/";
    EXPECT_EQ(eins.stand(0), o + "spiel-1.kbs");
    EXPECT_EQ(eins.stand(1), o + "spiel-1-vorher.kbs");
    EXPECT_EQ(eins.stand(2), o + "spiel-1-vorvorher.kbs");
    EXPECT_EQ(eins.schloss(), o + "spiel-1.lock");
    EXPECT_EQ(eins.endmarke(), o + "spiel-1.beendet");
    EXPECT_EQ(zwoelf.stand(2), o + "spiel-12-vorvorher.kbs");
    EXPECT_THROW(eins.stand(3), std::out_of_range);
}

TEST_F(Sicherung, DieLetztenDreiStaendeRuecken) {
    for (bool ohneLinks : {false, true}) {
        Gebremst g;
        g.ohneLinks = ohneLinks;
        Sicherungsdateien d(ordner.string(), 2, g);
        for (double v : {1.0, 2.0, 3.0, 4.0, 5.0})
            ASSERT_EQ(d.schreiben(standMit(v)), "");
        EXPECT_EQ(namen(), (std::set<std::string>{"spiel-2.kbs", "spiel-2-vorher.kbs",
                                                  "spiel-2-vorvorher.kbs"}));
        for (int alter = 0; alter < 3; ++alter) {
            EXPECT_EQ(fs::file_size(d.stand(alter)), speicherformat::kGroesse);
            EXPECT_EQ(vermoegenIn(d.stand(alter)), 5.0 - alter) << alter << ohneLinks;
        }
        fs::remove_all(ordner);
        fs::create_directory(ordner);
    }
}

TEST_F(Sicherung, NachDemAbschliessenWirdNichtsAngeboten) {
    Sicherungsdateien d(ordner.string(), 1, echt);
    EXPECT_EQ(d.pruefen().angebot.pfad, "");  // an empty folder
    ASSERT_EQ(d.schreiben(standMit(7)), "");
    Sicherungsdateien::Pruefung p = d.pruefen();
    ASSERT_EQ(p.angebot.pfad, d.stand(0));
    EXPECT_EQ(p.angebot.stand->vermoegen, 7.0);
    ASSERT_EQ(d.abschliessen(), "");
    EXPECT_EQ(d.abschliessen(), "");  // twice is once
    EXPECT_EQ(d.pruefen().angebot.pfad, "");
    // The next write belongs to a run that has not ended yet.
    ASSERT_EQ(d.schreiben(standMit(8)), "");
    EXPECT_FALSE(fs::exists(d.endmarke()));
    EXPECT_EQ(d.pruefen().angebot.stand->vermoegen, 8.0);
    // Another copy's files are its own.
    EXPECT_EQ(Sicherungsdateien(ordner.string(), 2, echt).pruefen().angebot.pfad, "");
}

// Truncated, overlong, foreign: whatever the loader refuses is moved aside and never offered;
// the newest state that loads is.
TEST_F(Sicherung, BeschaedigteStaendeKommenBeiseite) {
    const Bild kaputt[] = {Bild(1000, 0),                          // cut off
                           Bild(speicherformat::kGroesse + 1, 0),  // too long
                           Bild(speicherformat::kGroesse, 'x')};   // not a save file
    for (int n = 0; n <= 3; ++n) {
        Sicherungsdateien d(ordner.string(), 1, echt);
        for (double v : {1.0, 2.0, 3.0})
            ASSERT_EQ(d.schreiben(standMit(v)), "");
        for (int alter = 0; alter < n; ++alter) {
            std::ofstream aus(d.stand(alter), std::ios::binary | std::ios::trunc);
            aus.write(reinterpret_cast<const char*>(kaputt[alter].data()),
                      static_cast<std::streamsize>(kaputt[alter].size()));
        }
        const Sicherungsdateien::Pruefung p = d.pruefen();
        ASSERT_EQ(p.beiseite.size(), static_cast<std::size_t>(n));
        for (int alter = 0; alter < n; ++alter) {
            EXPECT_EQ(p.beiseite[alter], d.stand(alter));
            EXPECT_FALSE(fs::exists(d.stand(alter)));
            EXPECT_EQ(dateiInhalt(d.stand(alter) + ".beschaedigt"), kaputt[alter]);
        }
        if (n == 3) {
            EXPECT_EQ(p.angebot.pfad, "");
            EXPECT_EQ(p.angebot.stand, nullptr);
        } else {
            EXPECT_EQ(p.angebot.pfad, d.stand(n));
            EXPECT_EQ(p.angebot.stand->vermoegen, 3.0 - n);
        }
        fs::remove_all(ordner);
        fs::create_directory(ordner);
    }
}

// A kill in the middle of a save: the newest name still holds the state before, whole, and
// that is what the next start offers; the half-written file is never offered.
TEST_F(Sicherung, EinAbbruchMittenImSchreibenLaesstDenVorigenStand) {
    for (std::size_t grenze : {std::size_t{0}, std::size_t{4096}, speicherformat::kGroesse - 1}) {
        Gebremst g;
        Sicherungsdateien d(ordner.string(), 1, g);
        ASSERT_EQ(d.schreiben(standMit(1)), "");
        ASSERT_EQ(d.schreiben(standMit(2)), "");
        g.grenze = g.geschrieben + grenze;
        g.liegenLassen = true;
        EXPECT_EQ(d.schreiben(standMit(3)), "I/O error 5");
        const Sicherungsdateien::Pruefung p = d.pruefen();
        EXPECT_EQ(p.angebot.pfad, d.stand(0)) << grenze;
        EXPECT_EQ(p.angebot.stand->vermoegen, 2.0);
        EXPECT_TRUE(p.beiseite.empty());
        fs::remove_all(ordner);
        fs::create_directory(ordner);
    }
}

// The folder cannot take the state: the error comes back, and a missing older state or end
// mark is no error.
TEST_F(Sicherung, EinVollerOrdnerMeldetDenGrund) {
    Gebremst g;
    g.grenze = 0;
    Sicherungsdateien d(ordner.string(), 1, g);
    EXPECT_EQ(d.schreiben(standMit(1)), "I/O error 5");
    Sicherungsdateien fehlt((ordner / "fehlt").string(), 1, echt);
    EXPECT_EQ(fehlt.schreiben(standMit(1)), "File not found");
    EXPECT_EQ(fehlt.abschliessen(), "File not found");
    EXPECT_EQ(fehlt.pruefen().angebot.pfad, "");
}
