// Saving and loading real files, and what every failure of the system calls leaves behind.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "speicherbeispiel.h"
#include "state/speicherdatei.h"

using namespace kabrolux;
using namespace kabrolux::test;
namespace fs = std::filesystem;

namespace {

// The real calls, with a failure switched in where a test asks for one.
class Gestoert : public Dateisystem {
  public:
    int anlegenFehler = 0;
    int belegteNamen = 0;  // this many creations first find the name taken
    std::size_t schreibGrenze = std::numeric_limits<std::size_t>::max();
    int schreibFehler = 0;  // at the limit: this errno, or 0 for a write of no bytes
    std::size_t schreibStueck = std::numeric_limits<std::size_t>::max();
    int syncFehler = 0, schliessFehler = 0, umbenennFehler = 0;
    int oeffnenFehler = 0;
    std::size_t leseGrenze = std::numeric_limits<std::size_t>::max();
    int leseFehler = 0;
    std::size_t leseStueck = std::numeric_limits<std::size_t>::max();

    std::vector<std::string> angelegt;
    std::size_t geschrieben = 0, gelesen = 0;

    int anlegen(const std::string& pfad, int& fd) override {
        angelegt.push_back(pfad);
        if (belegteNamen > 0) return --belegteNamen, EEXIST;
        if (anlegenFehler != 0) return anlegenFehler;
        return Dateisystem::anlegen(pfad, fd);
    }
    int schreiben(int fd, const uint8_t* d, std::size_t n, std::size_t& anzahl) override {
        if (geschrieben >= schreibGrenze) {
            anzahl = 0;
            return schreibFehler;
        }
        n = std::min({n, schreibStueck, schreibGrenze - geschrieben});
        const int f = Dateisystem::schreiben(fd, d, n, anzahl);
        geschrieben += anzahl;
        return f;
    }
    int synchronisieren(int fd) override {
        return syncFehler != 0 ? syncFehler : Dateisystem::synchronisieren(fd);
    }
    int schliessen(int fd) override {
        const int f = Dateisystem::schliessen(fd);
        return schliessFehler != 0 ? schliessFehler : f;
    }
    int umbenennen(const std::string& von, const std::string& nach) override {
        return umbenennFehler != 0 ? umbenennFehler : Dateisystem::umbenennen(von, nach);
    }
    int oeffnen(const std::string& pfad, int& fd) override {
        return oeffnenFehler != 0 ? oeffnenFehler : Dateisystem::oeffnen(pfad, fd);
    }
    int lesen(int fd, uint8_t* d, std::size_t n, std::size_t& anzahl) override {
        if (gelesen >= leseGrenze) {
            anzahl = 0;
            return leseFehler;
        }
        n = std::min({n, leseStueck, leseGrenze - gelesen});
        const int f = Dateisystem::lesen(fd, d, n, anzahl);
        gelesen += anzahl;
        return f;
    }
};

Bild dateiInhalt(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return Bild(std::istreambuf_iterator<char>(ein), {});
}

void schreibeDatei(const fs::path& p, const Bild& b) {
    std::ofstream aus(p, std::ios::binary);
    aus.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

class Datei : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string vorlage = (fs::temp_directory_path() / "kabrolux-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(vorlage.data()), nullptr);
        ordner = vorlage;
        ziel = ordner / "spielstand.kbs";
    }
    void TearDown() override { fs::remove_all(ordner); }

    // Everything in the folder: a failed save must leave nothing of its own behind.
    std::vector<std::string> eintraege() const {
        std::vector<std::string> namen;
        for (const auto& e : fs::directory_iterator(ordner))
            namen.push_back(e.path().filename().string());
        return namen;
    }

    // An earlier save, which a failing save must leave exactly as it is.
    Bild frueheresSpeichern() {
        EXPECT_EQ(speichereDatei(ziel.string(), startStand()), "");
        return dateiInhalt(ziel);
    }

    void erwarteUnversehrt(const Bild& vorher) {
        EXPECT_EQ(dateiInhalt(ziel), vorher);
        EXPECT_EQ(eintraege(), std::vector<std::string>{"spielstand.kbs"});
    }

    fs::path ordner, ziel;
    Spielstand mitte = mittleresSpiel();
};

TEST_F(Datei, SpeichernSchreibtGenauDasBild) {
    ASSERT_EQ(speichereDatei(ziel.string(), mitte), "");
    EXPECT_EQ(fs::file_size(ziel), 380496u);
    EXPECT_EQ(dateiInhalt(ziel), speicherbild(mitte));
    EXPECT_EQ(eintraege(), std::vector<std::string>{"spielstand.kbs"});
}

// With standard input closed, the new file and then the folder get descriptor 0; neither may
// stay open after the save.
TEST_F(Datei, SpeichernLaesstKeinenDeskriptorOffen) {
    const int eingabe = dup(0);
    ASSERT_GE(eingabe, 0);
    close(0);
    const std::string fehler = speichereDatei(ziel.string(), mitte);
    const bool nullOffen = fcntl(0, F_GETFD) != -1;
    dup2(eingabe, 0);
    close(eingabe);
    EXPECT_EQ(fehler, "");
    EXPECT_FALSE(nullOffen);
    EXPECT_EQ(dateiInhalt(ziel), speicherbild(mitte));
}

TEST_F(Datei, LadenGibtDenGespeichertenStandZurueck) {
    ASSERT_EQ(speichereDatei(ziel.string(), mitte), "");
    Spielstand s = startStand();
    ASSERT_EQ(ladeDatei(ziel.string(), s), "");
    EXPECT_EQ(speicherbild(s), speicherbild(mitte));
    EXPECT_TRUE(s.auftraege == mitte.auftraege);
}

TEST_F(Datei, UeberschreibenErsetztDieAlteDatei) {
    const Bild alt = frueheresSpeichern();
    ASSERT_EQ(speichereDatei(ziel.string(), mitte), "");
    EXPECT_NE(dateiInhalt(ziel), alt);
    EXPECT_EQ(dateiInhalt(ziel), speicherbild(mitte));
    EXPECT_EQ(eintraege(), std::vector<std::string>{"spielstand.kbs"});
}

TEST_F(Datei, RelativerPfadLandetImArbeitsordner) {
    const fs::path vorher = fs::current_path();
    fs::current_path(ordner);
    const std::string fehler = speichereDatei("relativ.kbs", mitte);
    fs::current_path(vorher);
    EXPECT_EQ(fehler, "");
    EXPECT_EQ(dateiInhalt(ordner / "relativ.kbs"), speicherbild(mitte));
}

TEST_F(Datei, FehlenderOrdner) {
    EXPECT_EQ(speichereDatei((ordner / "fehlt" / "spielstand.kbs").string(), mitte),
              "File not found");
    EXPECT_TRUE(eintraege().empty());
}

TEST_F(Datei, OrdnerIstEineDatei) {
    const Bild alt = frueheresSpeichern();
    EXPECT_EQ(speichereDatei((ziel / "spielstand.kbs").string(), mitte), "File not found");
    erwarteUnversehrt(alt);
}

TEST_F(Datei, VolleFestplatte) {
    const Bild alt = frueheresSpeichern();
    Gestoert g;
    g.schreibGrenze = 100000;
    g.schreibFehler = ENOSPC;
    EXPECT_EQ(speichereDatei(ziel.string(), mitte, g), "Disk full");
    EXPECT_EQ(g.geschrieben, 100000u);
    erwarteUnversehrt(alt);
}

TEST_F(Datei, SchreibenOhneFortschrittIstVolleFestplatte) {
    const Bild alt = frueheresSpeichern();
    Gestoert g;
    g.schreibGrenze = 4096;
    g.schreibFehler = 0;
    EXPECT_EQ(speichereDatei(ziel.string(), mitte, g), "Disk full");
    erwarteUnversehrt(alt);
}

TEST_F(Datei, KurzeSchreibvorgaengeWerdenFortgesetzt) {
    frueheresSpeichern();
    Gestoert g;
    g.schreibStueck = 4093;
    ASSERT_EQ(speichereDatei(ziel.string(), mitte, g), "");
    EXPECT_EQ(dateiInhalt(ziel), speicherbild(mitte));
    EXPECT_EQ(g.geschrieben, 380496u);
}

// A folder that refuses a new file for want of rights is written in place (speicherziel_test).
TEST_F(Datei, ZugriffVerweigert) {
    const Bild alt = frueheresSpeichern();
    for (int fehler : {EROFS}) {
        Gestoert g;
        g.anlegenFehler = fehler;
        EXPECT_EQ(speichereDatei(ziel.string(), mitte, g), "File access denied") << fehler;
        erwarteUnversehrt(alt);
    }
}

TEST_F(Datei, FehlerBeimSynchronisieren) {
    const Bild alt = frueheresSpeichern();
    Gestoert g;
    g.syncFehler = EIO;
    EXPECT_EQ(speichereDatei(ziel.string(), mitte, g), "I/O error 5");
    erwarteUnversehrt(alt);
}

TEST_F(Datei, FehlerBeimSchliessen) {
    const Bild alt = frueheresSpeichern();
    Gestoert g;
    g.schliessFehler = EDQUOT;
    EXPECT_EQ(speichereDatei(ziel.string(), mitte, g), "Disk full");
    erwarteUnversehrt(alt);
}

TEST_F(Datei, FehlerBeimUmbenennen) {
    const Bild alt = frueheresSpeichern();
    Gestoert g;
    g.umbenennFehler = EXDEV;
    EXPECT_EQ(speichereDatei(ziel.string(), mitte, g), "I/O error 18");
    erwarteUnversehrt(alt);
}

TEST_F(Datei, ZwischendateiNeuImZielordner) {
    frueheresSpeichern();
    Gestoert g;
    g.belegteNamen = 2;
    ASSERT_EQ(speichereDatei(ziel.string(), mitte, g), "");
    ASSERT_EQ(g.angelegt.size(), 3u);
    for (const std::string& p : g.angelegt) {
        EXPECT_EQ(fs::path(p).parent_path(), ordner);
        EXPECT_NE(fs::path(p).filename(), "spielstand.kbs");
    }
    EXPECT_NE(g.angelegt[0], g.angelegt[1]);
    EXPECT_NE(g.angelegt[1], g.angelegt[2]);
    EXPECT_EQ(eintraege(), std::vector<std::string>{"spielstand.kbs"});
    EXPECT_EQ(dateiInhalt(ziel), speicherbild(mitte));
}

// A hundred names are tried before the save gives up.
TEST_F(Datei, HundertNamenFuerDieZwischendatei) {
    Gestoert g;
    g.belegteNamen = 99;
    EXPECT_EQ(speichereDatei(ziel.string(), mitte, g), "");
    EXPECT_EQ(g.angelegt.size(), 100u);
    const Bild gespeichert = dateiInhalt(ziel);
    Gestoert voll;
    voll.belegteNamen = 100;
    EXPECT_EQ(speichereDatei(ziel.string(), startStand(), voll), "I/O error 17");
    EXPECT_EQ(voll.angelegt.size(), 100u);
    erwarteUnversehrt(gespeichert);
}

TEST_F(Datei, LadenFehlendeDatei) {
    Spielstand s = startStand();
    const Bild vorher = speicherbild(s);
    EXPECT_EQ(ladeDatei((ordner / "fehlt.kbs").string(), s), "File not found");
    EXPECT_EQ(ladeDatei((ordner / "fehlt" / "x.kbs").string(), s), "File not found");
    EXPECT_EQ(speicherbild(s), vorher);
}

TEST_F(Datei, LadenKurzeDatei) {
    Bild b = speicherbild(mitte);
    b.resize(380495);
    schreibeDatei(ziel, b);
    Spielstand s = startStand();
    const Bild vorher = speicherbild(s);
    EXPECT_EQ(ladeDatei(ziel.string(), s), "Read beyond end of file");
    EXPECT_EQ(speicherbild(s), vorher);
}

TEST_F(Datei, LadenLangeDatei) {
    Bild b = speicherbild(mitte);
    b.resize(2 * b.size());
    schreibeDatei(ziel, b);
    Spielstand s = startStand();
    const Bild vorher = speicherbild(s);
    EXPECT_EQ(ladeDatei(ziel.string(), s),
              "Die Datei ist beschädigt: Sie ist länger als 380496 Bytes.");
    EXPECT_EQ(speicherbild(s), vorher);
}

TEST_F(Datei, LadenEinesOrdners) {
    Spielstand s = startStand();
    EXPECT_EQ(ladeDatei(ordner.string(), s), "File access denied");
}

TEST_F(Datei, LadenZugriffVerweigertOderLesefehler) {
    ASSERT_EQ(speichereDatei(ziel.string(), mitte), "");
    Spielstand s = startStand();
    const Bild vorher = speicherbild(s);
    Gestoert verweigert;
    verweigert.oeffnenFehler = EACCES;
    EXPECT_EQ(ladeDatei(ziel.string(), s, verweigert), "File access denied");
    Gestoert lesefehler;
    lesefehler.leseGrenze = 200000;
    lesefehler.leseFehler = EIO;
    EXPECT_EQ(ladeDatei(ziel.string(), s, lesefehler), "I/O error 5");
    EXPECT_EQ(speicherbild(s), vorher);
}

TEST_F(Datei, LadenInKleinenStuecken) {
    ASSERT_EQ(speichereDatei(ziel.string(), mitte), "");
    Gestoert g;
    g.leseStueck = 1000;
    Spielstand s = startStand();
    ASSERT_EQ(ladeDatei(ziel.string(), s, g), "");
    EXPECT_EQ(speicherbild(s), speicherbild(mitte));
}

TEST(Fehlertext, WieDieLaufzeitSieNennt) {
    EXPECT_EQ(ioFehlertext(0), "");
    EXPECT_EQ(ioFehlertext(ENOENT), "File not found");
    EXPECT_EQ(ioFehlertext(ENOTDIR), "File not found");
    EXPECT_EQ(ioFehlertext(EACCES), "File access denied");
    EXPECT_EQ(ioFehlertext(EPERM), "File access denied");
    EXPECT_EQ(ioFehlertext(EROFS), "File access denied");
    EXPECT_EQ(ioFehlertext(EISDIR), "File access denied");
    EXPECT_EQ(ioFehlertext(ENOSPC), "Disk full");
    EXPECT_EQ(ioFehlertext(EFBIG), "Disk full");
    EXPECT_EQ(ioFehlertext(EDQUOT), "Disk full");
    EXPECT_EQ(ioFehlertext(EIO), "I/O error 5");
    EXPECT_EQ(ioFehlertext(ENAMETOOLONG), "I/O error " + std::to_string(ENAMETOOLONG));
}

}  // namespace
