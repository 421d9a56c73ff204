// Where a save lands: the file a link points to, with the old file's permission bits, and in
// place where the folder takes no new file; a file the player made read-only is refused.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "ordnertest.h"
#include "speicherbeispiel.h"
#include "state/speicherdatei.h"

using namespace kabrolux;
using namespace kabrolux::test;
namespace fs = std::filesystem;

namespace {

// A folder that takes no new file; one write may fail once it has passed `grenze` bytes.
class OhneNeueDateien : public Dateisystem {
  public:
    std::size_t grenze = SIZE_MAX, geschrieben = 0, gelesen = 0;
    int verweigert = EACCES;
    int anlegen(const std::string&, int&) override { return verweigert; }
    int lesen(int fd, uint8_t* d, std::size_t n, std::size_t& anzahl) override {
        const int f = Dateisystem::lesen(fd, d, n, anzahl);
        gelesen += anzahl;
        return f;
    }
    int schreiben(int fd, const uint8_t* d, std::size_t n, std::size_t& anzahl) override {
        if (geschrieben >= grenze) {
            grenze = SIZE_MAX;
            anzahl = 0;
            return EIO;
        }
        const int f = Dateisystem::schreiben(fd, d, std::min(n, grenze - geschrieben), anzahl);
        geschrieben += anzahl;
        return f;
    }
};

class Speicherziel : public OrdnerTest {
  protected:
    void SetUp() override {
        OrdnerTest::SetUp();
        datei = ordner / "spielstand.kbs";
        std::ofstream(datei) << "alter Stand";
    }
    static struct stat status(const fs::path& p) {
        struct stat st {};
        stat(p.c_str(), &st);
        return st;
    }
    static unsigned rechte(const fs::path& p) { return status(p).st_mode & 07777; }
    fs::path datei;
    const Spielstand stand = mittleresSpiel();
};

}  // namespace

TEST_F(Speicherziel, BehaeltDieRechteDerAltenDatei) {
    for (unsigned r : {0600u, 0640u, 0664u, 0604u}) {
        fs::permissions(datei, static_cast<fs::perms>(r));
        ASSERT_EQ(speichereDatei(datei.string(), stand), "");
        EXPECT_EQ(rechte(datei), r) << std::oct << r;
        EXPECT_EQ(dateiInhalt(datei), speicherbild(stand));
    }
}

TEST_F(Speicherziel, SchreibtDurchLinksInDieDatei) {
    fs::create_directory(ordner / "echt");
    fs::create_symlink("echt/ziel.kbs", ordner / "link.kbs");  // relative to the link's folder
    fs::create_symlink(ordner / "link.kbs", ordner / "kette.kbs");
    std::ofstream(ordner / "echt" / "ziel.kbs") << "alt";
    ASSERT_EQ(speichereDatei((ordner / "kette.kbs").string(), stand), "");
    EXPECT_TRUE(fs::is_symlink(ordner / "kette.kbs"));
    EXPECT_TRUE(fs::is_symlink(ordner / "link.kbs"));
    EXPECT_EQ(dateiInhalt(ordner / "echt" / "ziel.kbs"), speicherbild(stand));
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner / "echt"), {}), 1);
    // A link to a file not there yet makes that file.
    fs::create_symlink("neu.kbs", ordner / "vor.kbs");
    ASSERT_EQ(speichereDatei((ordner / "vor.kbs").string(), stand), "");
    EXPECT_TRUE(fs::is_symlink(ordner / "vor.kbs"));
    EXPECT_EQ(dateiInhalt(ordner / "neu.kbs"), speicherbild(stand));
}

TEST_F(Speicherziel, OhneNeueDateiWirdDieAlteUeberschrieben) {
    fs::permissions(datei, static_cast<fs::perms>(0640));
    const ino_t knoten = status(datei).st_ino;
    OhneNeueDateien ohne;
    ASSERT_EQ(speichereDatei(datei.string(), stand, ohne), "");
    EXPECT_EQ(dateiInhalt(datei), speicherbild(stand));
    EXPECT_EQ(status(datei).st_ino, knoten);  // the same file, written in place
    EXPECT_EQ(rechte(datei), 0640u);
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner), {}), 1);
    // A shorter old file than the image and a longer one both end up exactly the image.
    std::ofstream(datei, std::ios::app) << std::string(500000, 'x');
    ohne.verweigert = EPERM;
    ASSERT_EQ(speichereDatei(datei.string(), stand, ohne), "");
    EXPECT_EQ(dateiInhalt(datei), speicherbild(stand));
}

TEST_F(Speicherziel, MisslingtEsAnOrtUndStelleBleibtDieAlteDatei) {
    const Bild alt = dateiInhalt(datei);
    OhneNeueDateien ohne;
    ohne.grenze = 1000;
    EXPECT_EQ(speichereDatei(datei.string(), stand, ohne), "I/O error 5");
    EXPECT_EQ(dateiInhalt(datei), alt);
    // Without an old file there is nothing to write in place.
    EXPECT_EQ(speichereDatei((ordner / "fehlt.kbs").string(), stand, ohne), "File access denied");
}

TEST_F(Speicherziel, AnOrtUndStelleWirdHoechstensDasBildGelesen) {
    std::ofstream(datei, std::ios::app) << std::string(3 * speicherformat::kGroesse, 'x');
    OhneNeueDateien ohne;
    ASSERT_EQ(speichereDatei(datei.string(), stand, ohne), "");
    EXPECT_EQ(ohne.gelesen, speicherformat::kGroesse + 1);
    EXPECT_EQ(dateiInhalt(datei), speicherbild(stand));
}

TEST_F(Speicherziel, EineLaengereAlteDateiBleibtGanzWennEsMisslingt) {
    std::ofstream(datei, std::ios::app) << std::string(2 * speicherformat::kGroesse, 'y');
    const Bild alt = dateiInhalt(datei);
    for (std::size_t grenze : {std::size_t{0}, std::size_t{1000}, speicherformat::kGroesse - 1}) {
        OhneNeueDateien ohne;
        ohne.grenze = grenze;
        EXPECT_EQ(speichereDatei(datei.string(), stand, ohne), "I/O error 5") << grenze;
        EXPECT_EQ(dateiInhalt(datei), alt) << grenze;
    }
}

namespace {

// Answers access(W_OK) with `antwort` and notes every file it is asked to create.
class Zugriff : public Dateisystem {
  public:
    int antwort = 0, angelegt = 0;
    int schreibzugriff(const std::string&) override { return antwort; }
    int anlegen(const std::string& p, int& fd) override {
        ++angelegt;
        return Dateisystem::anlegen(p, fd);
    }
};

}  // namespace

// Root may write any file, so the refusal is checked with the answer put in.
TEST_F(Speicherziel, EineSchreibgeschuetzteDateiBleibtUnberuehrt) {
    fs::create_symlink(datei, ordner / "link.kbs");
    const struct {
        int antwort;
        const char* meldung;
        int angelegt;
    } faelle[] = {{EACCES, "File access denied", 0},
                  {EROFS, "File access denied", 0},
                  {ENOTDIR, "File not found", 0},
                  {ENOENT, "", 1},
                  {0, "", 1}};
    for (const auto& f : faelle) {
        for (const char* name : {"spielstand.kbs", "link.kbs"}) {
            std::ofstream(datei, std::ios::trunc) << "alter Stand";
            fs::permissions(datei, static_cast<fs::perms>(0444));
            const ino_t knoten = status(datei).st_ino;
            Zugriff z;
            z.antwort = f.antwort;
            EXPECT_EQ(speichereDatei((ordner / name).string(), stand, z), f.meldung)
                << f.antwort << name;
            EXPECT_EQ(z.angelegt, f.angelegt) << f.antwort << name;
            EXPECT_EQ(dateiInhalt(datei) == speicherbild(stand), f.angelegt == 1) << f.antwort;
            EXPECT_EQ(rechte(datei), 0444u);
            EXPECT_EQ(status(datei).st_ino == knoten, f.angelegt == 0);
            EXPECT_EQ(std::distance(fs::directory_iterator(ordner), {}), 2);
            fs::permissions(datei, static_cast<fs::perms>(0644));
        }
    }
}

// The same with the real access(): meaningful only for a user who is not root.
TEST_F(Speicherziel, SchreibgeschuetztFuerDenSpieler) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write every file";
    fs::permissions(datei, static_cast<fs::perms>(0444));
    EXPECT_EQ(speichereDatei(datei.string(), stand), "File access denied");
    EXPECT_EQ(dateiInhalt(datei), Bild({'a', 'l', 't', 'e', 'r', ' ', 'S', 't', 'a', 'n', 'd'}));
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner), {}), 1);
}
