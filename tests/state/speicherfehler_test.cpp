// Saving and loading real files, and what every failure of the system calls leaves behind.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "ordnertest.h"
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
    int entfernt = 0;

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
    int entfernen(const std::string& pfad) override {
        ++entfernt;
        return Dateisystem::entfernen(pfad);
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

void schreibeDatei(const fs::path& p, const Bild& b) {
    std::ofstream aus(p, std::ios::binary);
    aus.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

class Datei : public OrdnerTest {
  protected:
    void SetUp() override {
        OrdnerTest::SetUp();
        ziel = ordner / "spielstand.kbs";
    }

    // An earlier save, which a failing save must leave exactly as it is.
    Bild frueheresSpeichern() {
        EXPECT_EQ(speichereDatei(ziel.string(), startStand()), "");
        return dateiInhalt(ziel);
    }

    void erwarteUnversehrt(const Bild& vorher) {
        EXPECT_EQ(dateiInhalt(ziel), vorher);
        EXPECT_EQ(namen(), std::set<std::string>{"spielstand.kbs"});  // nothing left behind
    }

    fs::path ziel;
    Spielstand mitte = mittleresSpiel();
};

TEST_F(Datei, SpeichernSchreibtGenauDasBild) {
    ASSERT_EQ(speichereDatei(ziel.string(), mitte), "");
    EXPECT_EQ(fs::file_size(ziel), 380496u);
    EXPECT_EQ(dateiInhalt(ziel), speicherbild(mitte));
    EXPECT_EQ(namen(), std::set<std::string>{"spielstand.kbs"});  // nothing left behind
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
    EXPECT_TRUE(namen().empty());
}

TEST_F(Datei, OrdnerIstEineDatei) {
    const Bild alt = frueheresSpeichern();
    EXPECT_EQ(speichereDatei((ziel / "spielstand.kbs").string(), mitte), "File not found");
    erwarteUnversehrt(alt);
}

// A failing call leaves the earlier save exactly as it was, with its message; the save stops
// where the call failed.
TEST_F(Datei, FehlerBeimSpeichern) {
    struct Fall {
        const char* name;
        std::function<void(Gestoert&)> stoeren;
        std::string meldung;
        std::size_t angelegt, geschrieben;
    };
    const Fall faelle[] = {
        {"volleFestplatte",
         [](Gestoert& g) {
             g.schreibGrenze = 100000;
             g.schreibFehler = ENOSPC;
         },
         "Disk full", 1, 100000},
        {"schreibenOhneFortschritt", [](Gestoert& g) { g.schreibGrenze = 4096; }, "Disk full", 1,
         4096},
        // A folder that refuses a new file for want of rights is written in place instead
        // (speicherziel_test).
        {"anlegenEROFS", [](Gestoert& g) { g.anlegenFehler = EROFS; }, "File access denied", 1, 0},
        {"synchronisieren", [](Gestoert& g) { g.syncFehler = EIO; }, "I/O error 5", 1, 380496},
        {"schliessen", [](Gestoert& g) { g.schliessFehler = EDQUOT; }, "Disk full", 1, 380496},
        {"umbenennen", [](Gestoert& g) { g.umbenennFehler = EXDEV; }, "I/O error 18", 1, 380496},
        {"hundertBelegteNamen", [](Gestoert& g) { g.belegteNamen = 100; }, "I/O error 17", 100, 0},
    };
    const Bild alt = frueheresSpeichern();
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Gestoert g;
        f.stoeren(g);
        EXPECT_EQ(speichereDatei(ziel.string(), mitte, g), f.meldung);
        erwarteUnversehrt(alt);
        EXPECT_EQ(g.angelegt.size(), f.angelegt);
        EXPECT_EQ(g.geschrieben, f.geschrieben);
    }
}

TEST_F(Datei, KurzeSchreibvorgaengeWerdenFortgesetzt) {
    Gestoert g;
    g.schreibStueck = 4093;
    ASSERT_EQ(speichereDatei(ziel.string(), mitte, g), "");
    EXPECT_EQ(dateiInhalt(ziel), speicherbild(mitte));
    EXPECT_EQ(g.geschrieben, 380496u);
    EXPECT_EQ(g.entfernt, 0);  // nothing is cleaned up after a save that worked
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
    EXPECT_EQ(namen(), std::set<std::string>{"spielstand.kbs"});  // nothing left behind
    EXPECT_EQ(dateiInhalt(ziel), speicherbild(mitte));
}

// A hundred names are tried before the save gives up (see FehlerBeimSpeichern).
TEST_F(Datei, HundertNamenFuerDieZwischendatei) {
    Gestoert g;
    g.belegteNamen = 99;
    EXPECT_EQ(speichereDatei(ziel.string(), mitte, g), "");
    EXPECT_EQ(g.angelegt.size(), 100u);
    EXPECT_EQ(dateiInhalt(ziel), speicherbild(mitte));
}

// A file that cannot be read whole leaves the game as it was, with its message.
TEST_F(Datei, FehlerBeimLaden) {
    ASSERT_EQ(speichereDatei(ziel.string(), mitte), "");
    const Bild gut = speicherbild(mitte);
    const fs::path kurz = ordner / "kurz.kbs", lang = ordner / "lang.kbs";
    schreibeDatei(kurz, Bild(gut.begin(), gut.end() - 1));
    Bild doppelt = gut;
    doppelt.insert(doppelt.end(), gut.begin(), gut.end());
    schreibeDatei(lang, doppelt);
    struct Fall {
        fs::path pfad;
        std::function<void(Gestoert&)> stoeren;
        Ladefehler fehler;
    };
    const auto ohne = [](Gestoert&) {};
    const auto lauf = [](const char* text) { return Ladefehler{text, {}}; };
    const Fall faelle[] = {
        {ordner / "fehlt.kbs", ohne, lauf("File not found")},
        {ordner / "fehlt" / "x.kbs", ohne, lauf("File not found")},
        {ordner, ohne, lauf("File access denied")},
        {kurz, ohne, lauf("Read beyond end of file")},
        {lang, ohne, {{}, Schaden{{}, Befund::zuLang, 380496}}},
        {ziel, [](Gestoert& g) { g.oeffnenFehler = EACCES; }, lauf("File access denied")},
        {ziel,
         [](Gestoert& g) {
             g.leseGrenze = 200000;
             g.leseFehler = EIO;
         },
         lauf("I/O error 5")},
    };
    Spielstand s = startStand();
    const Bild vorher = speicherbild(s);
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.pfad.string() + " " + f.fehler.laufzeit);
        Gestoert g;
        f.stoeren(g);
        EXPECT_EQ(ladeDatei(f.pfad.string(), s, g), f.fehler);
        EXPECT_EQ(speicherbild(s), vorher);
    }
}

TEST_F(Datei, LadenInKleinenStuecken) {
    ASSERT_EQ(speichereDatei(ziel.string(), mitte), "");
    Gestoert g;
    g.leseStueck = 1000;
    Spielstand s = startStand();
    ASSERT_TRUE(ladeDatei(ziel.string(), s, g).leer());
    EXPECT_EQ(speicherbild(s), speicherbild(mitte));
    EXPECT_TRUE(s.auftraege == mitte.auftraege);
}

TEST(Fehlertext, WieDieLaufzeitSieNennt) {
    const std::pair<int, std::string> texte[] = {
        {0, ""},
        {ENOENT, "File not found"},
        {ENOTDIR, "File not found"},
        {EACCES, "File access denied"},
        {EPERM, "File access denied"},
        {EROFS, "File access denied"},
        {EISDIR, "File access denied"},
        {ENOSPC, "Disk full"},
        {EFBIG, "Disk full"},
        {EDQUOT, "Disk full"},
        {EIO, "I/O error 5"},
        {ENAMETOOLONG, "I/O error " + std::to_string(ENAMETOOLONG)}};
    for (const auto& [fehler, text] : texte)
        EXPECT_EQ(ioFehlertext(fehler), text) << fehler;
}

}  // namespace
