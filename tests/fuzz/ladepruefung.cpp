#include "ladepruefung.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "state/speicherdatei.h"

namespace kabrolux::fuzz {

namespace {

namespace sf = speicherformat;

[[noreturn]] void verletzt(const char* was, const std::string& meldung = {}) {
    std::fprintf(stderr, "Ladepruefung verletzt: %s %s\n", was, meldung.c_str());
    std::abort();
}

// A valid target whose texts a load must overwrite.
Spielstand ziel() {
    Spielstand s;
    s.spiellaeuft = 1;
    s.vermoegen = 30000;
    s.auftraege[1].kunde = "Frau Schäfer";
    s.auftraege[1].abholort = "Kino";
    return s;
}

}  // namespace

void ohneBedeutung(std::vector<uint8_t>& b) {
    for (int r = 0; r < kAuftragsZeilen; ++r) {
        const auto zeile =
            b.begin() + static_cast<std::ptrdiff_t>(sf::kAuftraegeAb + r * sf::kAuftrag);
        for (int f = 1; f <= 18; ++f) {
            const auto satz = zeile + static_cast<std::ptrdiff_t>(sf::feldVersatz(f));
            if (f == 3 || f == 4) {
                std::fill(satz + 1 + satz[0], satz + sf::kTextsatz, 0);
                continue;
            }
            std::fill(satz + 6, satz + 12, 0);
            if (satz[4] == 3 && satz[5] == 0) std::fill(satz + 16, satz + 20, 0);
        }
    }
}

bool pruefeLaden(const uint8_t* daten, std::size_t n) {
    static const Spielstand vorlage = ziel();
    static const std::vector<uint8_t> vorlageBild = speicherbild(vorlage);
    Spielstand s = vorlage;
    const Ladefehler fehler = ladeBild({daten, n}, s);
    if (!fehler.leer()) {
        // Loading reads from memory here: only a short image is the runtime's error.
        if (!fehler.schaden && fehler.laufzeit != kLeseUeberEnde)
            verletzt("unbekannte Meldung", fehler.laufzeit);
        if (speicherbild(s) != vorlageBild)
            verletzt("abgelehntes Bild hat das Ziel veraendert", fehler.laufzeit);
        return false;
    }
    const std::vector<uint8_t> neu = speicherbild(s);
    std::vector<uint8_t> erwartet(daten, daten + n);
    ohneBedeutung(erwartet);
    if (neu != erwartet) verletzt("gespeichertes Bild weicht ab");
    Spielstand zweit = vorlage;
    if (!ladeBild(neu, zweit).leer()) verletzt("eigenes Bild abgelehnt");
    if (speicherbild(zweit) != neu || !(zweit.auftraege == s.auftraege))
        verletzt("zweites Laden ergibt einen anderen Stand");
    return true;
}

}  // namespace kabrolux::fuzz
