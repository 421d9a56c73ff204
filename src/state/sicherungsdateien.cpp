#include "state/sicherungsdateien.h"

#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <utility>

namespace kabrolux {

std::string sicherungsordner(const char* xdgStateHome, const char* home) {
    auto absolut = [](const char* p) { return p && p[0] == '/'; };
    auto ohneSchraegstrich = [](std::string p) {
        while (!p.empty() && p.back() == '/')
            p.pop_back();
        return p;
    };
    if (absolut(xdgStateHome)) return ohneSchraegstrich(xdgStateHome) + "/kabrolux";
    if (absolut(home)) return ohneSchraegstrich(home) + "/.local/state/kabrolux";
    return {};
}

int ordnerAnlegen(const std::string& pfad) {
    if (pfad.empty()) return ENOENT;
    for (std::size_t ende = pfad.find('/', 1);; ende = pfad.find('/', ende + 1)) {
        const std::string teil = pfad.substr(0, ende);
        if (::mkdir(teil.c_str(), 0700) != 0 && errno != EEXIST) return errno;
        if (ende == std::string::npos) break;
    }
    struct stat st {};
    if (::stat(pfad.c_str(), &st) != 0) return errno;
    return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
}

Sicherungsdateien::Sicherungsdateien(std::string ordner, int kopie, Dateisystem& fs)
    : ordner_(std::move(ordner)), kopie_(kopie), fs_(fs) {}

std::string Sicherungsdateien::pfad(const std::string& name) const {
    return ordner_ + "/spiel-" + std::to_string(kopie_) + name;
}

std::string Sicherungsdateien::stand(int alter) const {
    static constexpr std::array<const char*, kStaende> kNamen{".kbs", "-vorher.kbs",
                                                              "-vorvorher.kbs"};
    return pfad(kNamen.at(static_cast<std::size_t>(alter)));
}

std::string Sicherungsdateien::schloss() const {
    return pfad(".lock");
}

std::string Sicherungsdateien::endmarke() const {
    return pfad(".beendet");
}

std::string Sicherungsdateien::verworfen() const {
    return pfad("-verworfen.kbs");
}

std::string Sicherungsdateien::schreiben(const Spielstand& s) {
    auto fehlt = [](int f) { return f == 0 || f == ENOENT; };
    int fehler = fs_.entfernen(endmarke());
    if (!fehlt(fehler)) return ioFehlertext(fehler);
    const std::string neu = pfad("-neu.kbs");
    if (std::string f = speichereDatei(neu, s, fs_); !f.empty()) return f;
    for (int alter = kStaende - 1; alter > 1; --alter) {
        fehler = fs_.umbenennen(stand(alter - 1), stand(alter));
        if (!fehlt(fehler)) return ioFehlertext(fehler);
    }
    // A folder without hard links gives the newest name up for a moment.
    fehler = fs_.verknuepfen(stand(0), stand(1));
    if (fehler != 0 && fehler != ENOENT) fehler = fs_.umbenennen(stand(0), stand(1));
    if (!fehlt(fehler)) return ioFehlertext(fehler);
    return ioFehlertext(fs_.umbenennen(neu, stand(0)));
}

std::string Sicherungsdateien::abschliessen() {
    int fd = -1;
    const int fehler = fs_.anlegen(endmarke(), fd);
    if (fehler == EEXIST) return {};
    if (fehler != 0) return ioFehlertext(fehler);
    return ioFehlertext(fs_.schliessen(fd));
}

std::string Sicherungsdateien::verwerfen(const std::string& angebot) {
    if (const int fehler = fs_.umbenennen(angebot, verworfen())) return ioFehlertext(fehler);
    return abschliessen();
}

Sicherungsdateien::Pruefung Sicherungsdateien::pruefen() {
    Pruefung p;
    unsigned rechte = 0;
    if (fs_.rechteLesen(endmarke(), rechte) == 0) return p;
    for (int alter = 0; alter < kStaende; ++alter) {
        const std::string datei = stand(alter);
        if (fs_.rechteLesen(datei, rechte) == ENOENT) continue;
        auto probe = std::make_unique<Spielstand>();
        if (ladeDatei(datei, *probe, fs_).leer()) {
            p.angebot = {datei, std::move(probe)};
            return p;
        }
        if (fs_.umbenennen(datei, datei + kBeiseite) == 0) p.beiseite.push_back(datei);
    }
    return p;
}

}  // namespace kabrolux
