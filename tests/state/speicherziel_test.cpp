// Where a save lands: the file a link points to, with the old file's permission bits, and in
// place where the folder takes no new file; a file the player made read-only is refused.
#include <sys/stat.h>
#include <sys/wait.h>
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
    int verweigert = EACCES, zugriff = 0;  // access()'s answer
    std::string gefragt;
    int anlegen(const std::string&, int&) override { return verweigert; }
    int schreibzugriff(const std::string& p) override {
        gefragt = p;
        return zugriff;
    }
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

// In place, the old file is read no further than the image reaches (and a byte more); a longer
// one keeps its end when the new contents do not get through.
TEST_F(Speicherziel, AnOrtUndStelleWirdHoechstensDasBildGelesen) {
    std::ofstream(datei, std::ios::app) << std::string(2 * speicherformat::kGroesse, 'y');
    const Bild alt = dateiInhalt(datei);
    for (std::size_t grenze : {std::size_t{0}, speicherformat::kGroesse - 1, SIZE_MAX}) {
        OhneNeueDateien ohne;
        ohne.grenze = grenze;
        const bool gelingt = grenze == SIZE_MAX;
        EXPECT_EQ(speichereDatei(datei.string(), stand, ohne), gelingt ? "" : "I/O error 5");
        EXPECT_EQ(ohne.gelesen, speicherformat::kGroesse + 1);
        EXPECT_EQ(dateiInhalt(datei), gelingt ? speicherbild(stand) : alt) << grenze;
    }
}

// Root may write any file, so the refusal is checked with access()'s answer put in; through a
// link, the file it points to is asked about.
TEST_F(Speicherziel, EineSchreibgeschuetzteDateiBleibtUnberuehrt) {
    fs::create_symlink(datei, ordner / "link.kbs");
    const Bild alt = dateiInhalt(datei);
    for (const char* name : {"spielstand.kbs", "link.kbs"})
        for (auto [antwort, meldung] : {std::pair{EACCES, "File access denied"},
                                        std::pair{EROFS, "File access denied"}, std::pair{0, ""}}) {
            OhneNeueDateien ohne;
            ohne.zugriff = antwort;
            EXPECT_EQ(speichereDatei((ordner / name).string(), stand, ohne), meldung) << name;
            EXPECT_EQ(ohne.gefragt, datei.string());
            EXPECT_EQ(dateiInhalt(datei) == alt, antwort != 0) << name << antwort;
            std::ofstream(datei, std::ios::trunc) << "alter Stand";
        }
}

// The same with the real access(), as a player who is not root: root, who may write every
// file, gives the folder and file to "nobody" and saves in a child that has given up root.
TEST_F(Speicherziel, SchreibgeschuetztFuerDenSpieler) {
    fs::permissions(datei, static_cast<fs::perms>(0444));
    const Bild alt = dateiInhalt(datei);
    const bool root = geteuid() == 0;
    constexpr uid_t niemand = 65534;
    if (root) {
        ASSERT_EQ(chown(ordner.c_str(), niemand, niemand), 0);
        ASSERT_EQ(chown(datei.c_str(), niemand, niemand), 0);
    }
    const pid_t kind = root ? fork() : 0;
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        const bool ohneRoot = !root || (setgid(niemand) == 0 && setuid(niemand) == 0);
        const bool verweigert = speichereDatei(datei.string(), stand) == "File access denied";
        if (!root) {
            EXPECT_TRUE(verweigert);
        } else {
            _exit(ohneRoot && verweigert ? 0 : 1);
        }
    } else {
        int status = 0;
        ASSERT_EQ(waitpid(kind, &status, 0), kind);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(dateiInhalt(datei), alt);
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner), {}), 1);
}
