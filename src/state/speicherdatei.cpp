// Saving and loading files: the image goes to disk completely or not at all.
#include "state/speicherdatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

namespace kabrolux {

namespace sf = speicherformat;

int Dateisystem::anlegen(const std::string& pfad, int& fd) {
    // 0666 lets the umask decide, as for any file the player creates.
    fd = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    return fd < 0 ? errno : 0;
}

int Dateisystem::oeffnen(const std::string& pfad, int& fd) {
    fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
    return fd < 0 ? errno : 0;
}

int Dateisystem::schreiben(int fd, const uint8_t* daten, std::size_t n, std::size_t& anzahl) {
    ssize_t r;
    do {
        r = ::write(fd, daten, n);
    } while (r < 0 && errno == EINTR);
    anzahl = r < 0 ? 0 : static_cast<std::size_t>(r);
    return r < 0 ? errno : 0;
}

int Dateisystem::lesen(int fd, uint8_t* daten, std::size_t n, std::size_t& anzahl) {
    ssize_t r;
    do {
        r = ::read(fd, daten, n);
    } while (r < 0 && errno == EINTR);
    anzahl = r < 0 ? 0 : static_cast<std::size_t>(r);
    return r < 0 ? errno : 0;
}

int Dateisystem::synchronisieren(int fd) {
    return ::fsync(fd) == 0 ? 0 : errno;
}

// No retry on EINTR: Linux has released the descriptor either way.
int Dateisystem::schliessen(int fd) {
    return ::close(fd) == 0 ? 0 : errno;
}

int Dateisystem::umbenennen(const std::string& von, const std::string& nach) {
    return ::rename(von.c_str(), nach.c_str()) == 0 ? 0 : errno;
}

int Dateisystem::verknuepfen(const std::string& von, const std::string& nach) {
    return ::link(von.c_str(), nach.c_str()) == 0 ? 0 : errno;
}

int Dateisystem::entfernen(const std::string& pfad) {
    return ::unlink(pfad.c_str()) == 0 ? 0 : errno;
}

int Dateisystem::rechteLesen(const std::string& pfad, unsigned& rechte) {
    struct stat st {};
    if (::stat(pfad.c_str(), &st) != 0) return errno;
    rechte = st.st_mode & 07777;
    return 0;
}

int Dateisystem::rechteSetzen(int fd, unsigned rechte) {
    return ::fchmod(fd, static_cast<mode_t>(rechte)) == 0 ? 0 : errno;
}

int Dateisystem::schreibzugriff(const std::string& pfad) {
    return ::access(pfad.c_str(), W_OK) == 0 ? 0 : errno;
}

int Dateisystem::oeffnenZumAendern(const std::string& pfad, int& fd) {
    fd = ::open(pfad.c_str(), O_RDWR | O_CLOEXEC);
    return fd < 0 ? errno : 0;
}

int Dateisystem::zumAnfang(int fd) {
    return ::lseek(fd, 0, SEEK_SET) == 0 ? 0 : errno;
}

int Dateisystem::kuerzen(int fd, std::size_t laenge) {
    return ::ftruncate(fd, static_cast<off_t>(laenge)) == 0 ? 0 : errno;
}

std::string ioFehlertext(int fehler) {
    switch (fehler) {
        case 0:
            return {};
        case ENOENT:
        case ENOTDIR:
            return "File not found";
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ETXTBSY:
            return "File access denied";
        case ENOSPC:
        case EFBIG:
        case EDQUOT:
            return "Disk full";
        default:
            return "I/O error " + std::to_string(fehler);
    }
}

namespace {

Dateisystem& echtesDateisystem() {
    static Dateisystem fs;
    return fs;
}

// A new file in the target's folder, so the final rename never crosses file systems. The
// name is random and the file is created exclusively; a name already taken is tried again.
int legeZwischendateiAn(Dateisystem& fs, const std::string& pfad, std::string& zwischen, int& fd) {
    std::filesystem::path ordner = std::filesystem::path(pfad).parent_path();
    if (ordner.empty()) ordner = ".";
    std::random_device quelle;
    int fehler = EEXIST;
    for (int versuch = 0; versuch < 100 && fehler == EEXIST; ++versuch) {
        char name[32];
        std::snprintf(name, sizeof name, ".kabrolux-%08x.tmp", static_cast<unsigned>(quelle()));
        zwischen = (ordner / name).string();
        fehler = fs.anlegen(zwischen, fd);
    }
    return fehler;
}

// The file a save to `pfad` writes: where a symbolic link points, through any chain of links
// (a link to a file that does not exist yet names the file to create).
std::string zielDerLinks(const std::string& pfad) {
    namespace fs = std::filesystem;
    fs::path p = pfad;
    std::error_code fehler;
    for (int tiefe = 0; tiefe < 40 && fs::is_symlink(fs::symlink_status(p, fehler)); ++tiefe) {
        const fs::path ziel = fs::read_symlink(p, fehler);
        if (fehler) break;
        p = ziel.is_absolute() ? ziel : p.parent_path() / ziel;
    }
    return p.string();
}

// Reads an open file from its current position on, up to `grenze` bytes, however few bytes
// each call takes.
int liesHoechstens(Dateisystem& fs, int fd, std::size_t grenze, std::vector<uint8_t>& inhalt) {
    constexpr std::size_t kStueck = 1 << 20;
    inhalt.clear();
    while (inhalt.size() < grenze) {
        const std::size_t fertig = inhalt.size();
        const std::size_t n = std::min(grenze - fertig, kStueck);
        inhalt.resize(fertig + n);
        std::size_t anzahl = 0;
        const int fehler = fs.lesen(fd, inhalt.data() + fertig, n, anzahl);
        inhalt.resize(fertig + anzahl);
        if (fehler != 0 || anzahl == 0) return fehler;
    }
    return 0;
}

// Writes everything, however few bytes each call takes; a call that takes none without an
// error means the disk is full.
int schreibeAlles(Dateisystem& fs, int fd, const std::vector<uint8_t>& bild) {
    std::size_t fertig = 0;
    while (fertig < bild.size()) {
        std::size_t anzahl = 0;
        const int fehler = fs.schreiben(fd, bild.data() + fertig, bild.size() - fertig, anzahl);
        if (fehler != 0) return fehler;
        if (anzahl == 0) return ENOSPC;
        fertig += anzahl;
    }
    return 0;
}

// Puts `inhalt` into the open file from its start and, with `kuerzen`, cuts it there; on disk.
int ersetzeInhalt(Dateisystem& fs, int fd, const std::vector<uint8_t>& inhalt, bool kuerzen) {
    int fehler = fs.zumAnfang(fd);
    if (fehler == 0) fehler = schreibeAlles(fs, fd, inhalt);
    if (fehler == 0 && kuerzen) fehler = fs.kuerzen(fd, inhalt.size());
    if (fehler == 0) fehler = fs.synchronisieren(fd);
    return fehler;
}

// Writes the image into the existing file itself, for a folder that takes no new file. The part
// of the old contents the image covers (and one byte more, to tell a longer file) is read first
// and written back should the new ones not get through; a longer file keeps its tail then,
// because the image is cut to its length only once it is all written.
int schreibeAnOrtUndStelle(Dateisystem& fs, const std::string& pfad,
                           const std::vector<uint8_t>& bild) {
    int fd = -1;
    int fehler = fs.oeffnenZumAendern(pfad, fd);
    if (fehler != 0) return fehler;
    std::vector<uint8_t> alt;
    fehler = liesHoechstens(fs, fd, bild.size() + 1, alt);
    if (fehler == 0) {
        fehler = ersetzeInhalt(fs, fd, bild, true);
        if (fehler != 0) ersetzeInhalt(fs, fd, alt, alt.size() <= bild.size());
    }
    const int zu = fs.schliessen(fd);
    return fehler != 0 ? fehler : zu;
}

// Makes the rename itself durable. Best effort: the new file is already in place, so a
// failure here is no reason to report the save as failed.
void sichereOrdner(const std::string& pfad) {
    std::filesystem::path ordner = std::filesystem::path(pfad).parent_path();
    if (ordner.empty()) ordner = ".";
    const int fd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string speichereDatei(const std::string& pfad, const Spielstand& s) {
    return speichereDatei(pfad, s, echtesDateisystem());
}

std::string speichereDatei(const std::string& pfad, const Spielstand& s, Dateisystem& fs) {
    const std::string ziel = zielDerLinks(pfad);
    // A file the player made read-only stays as it is, though its folder would take a new one.
    const int zugriff = fs.schreibzugriff(ziel);
    if (zugriff != 0 && zugriff != ENOENT) return ioFehlertext(zugriff);
    std::vector<uint8_t> bild;
    try {
        bild = speicherbild(s);
    } catch (const std::system_error& e) {
        return ioFehlertext(e.code().value());
    }
    unsigned rechte = 0;
    const bool vorhanden = fs.rechteLesen(ziel, rechte) == 0;
    std::string zwischen;
    int fd = -1;
    int fehler = legeZwischendateiAn(fs, ziel, zwischen, fd);
    if (fehler == EACCES || fehler == EPERM) {
        if (vorhanden) return ioFehlertext(schreibeAnOrtUndStelle(fs, ziel, bild));
    }
    if (fehler != 0) return ioFehlertext(fehler);

    // The player's choice of who may read the file outlives the save.
    if (vorhanden) fehler = fs.rechteSetzen(fd, rechte);
    if (fehler == 0) fehler = schreibeAlles(fs, fd, bild);
    if (fehler == 0) fehler = fs.synchronisieren(fd);
    const int zu = fs.schliessen(fd);
    if (fehler == 0) fehler = zu;
    if (fehler == 0) fehler = fs.umbenennen(zwischen, ziel);
    if (fehler != 0) {
        fs.entfernen(zwischen);
        return ioFehlertext(fehler);
    }
    sichereOrdner(ziel);
    return {};
}

Ladefehler ladeDatei(const std::string& pfad, Spielstand& ziel) {
    return ladeDatei(pfad, ziel, echtesDateisystem());
}

Ladefehler ladeDatei(const std::string& pfad, Spielstand& ziel, Dateisystem& fs) {
    int fd = -1;
    int fehler = fs.oeffnen(pfad, fd);
    if (fehler != 0) return {ioFehlertext(fehler), {}};
    // One byte more than an image holds tells a longer file from a complete one.
    std::vector<uint8_t> bild;
    fehler = liesHoechstens(fs, fd, sf::kGroesse + 1, bild);
    fs.schliessen(fd);  // nothing was written, so closing cannot lose anything
    if (fehler != 0) return {ioFehlertext(fehler), {}};
    return ladeBild(bild, ziel);
}

}  // namespace kabrolux
