// Writes the loader's seed corpus: valid images of the sample games and one damaged image per
// kind of damage. Run it as
//     build/bin/kabrolux_korpus_erzeugen tests/fuzz/korpus
// after a change to the sample games or the file layout.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "speicherbeispiel.h"
#include "state/speicherdatei.h"

using namespace kabrolux;
using namespace kabrolux::test;

namespace {

// The sample game with every row of the order table holding a live order.
Spielstand volleTabelle() {
    Spielstand s = mittleresSpiel();
    for (int r = 1; r <= kAuftragsZeilen; ++r) {
        Auftrag& a = s.auftraege[r];
        if (a.belegt == 1) continue;
        a = s.auftraege[4];
        a.nummer = s.auftragsnummer++;
    }
    return s;
}

void schreibe(const std::filesystem::path& p, const Bild& b) {
    std::ofstream aus(p, std::ios::binary);
    aus.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    std::printf("%s\n", p.string().c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: %s ZIELORDNER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path ordner = argv[1];
    std::filesystem::create_directories(ordner);
    const Bild mitte = speicherbild(mittleresSpiel());
    schreibe(ordner / "gut-neues-spiel.kbs", speicherbild(startStand()));
    schreibe(ordner / "gut-mittleres-spiel.kbs", mitte);
    schreibe(ordner / "gut-volle-tabelle.kbs", speicherbild(volleTabelle()));

    const std::vector<std::pair<const char*, std::function<void(Bild&)>>> schaeden = {
        {"kurz", [](Bild& b) { b.resize(b.size() - 1000); }},
        {"laengenangabe", [](Bild& b) { setzeInt32(b, auftragsfeld(12, 5), 17); }},
        {"typ", [](Bild& b) { setzeBytes(b, auftragsfeld(1, 1) + 4, 7, 2); }},
        {"textlaenge", [](Bild& b) { b[auftragsfeld(6, 3)] = 30; }},
        {"zeichen", [](Bild& b) { b[auftragsfeld(6, 3) + 1] = 0x81; }},
        {"modell", [](Bild& b) { setzeInt32(b, taxiFeld(2, 6), 5); }},
        {"eingestellt", [](Bild& b) { setzeInt32(b, eingestelltFeld(5), 1); }},
    };
    for (const auto& [name, aendern] : schaeden) {
        Bild b = mitte;
        aendern(b);
        schreibe(ordner / (std::string("kaputt-") + name + ".kbs"), b);
    }
    return 0;
}
