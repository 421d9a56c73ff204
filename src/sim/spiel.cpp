#include "sim/spiel.h"

#include "sim/lesen.h"

namespace kabrolux {

Spiel::Spiel(Zeitquelle& zeit, Anzeige& anzeige) : zeit_(zeit), anzeige_(anzeige) {
    stand_.spiellaeuft = 0;
    stand_.spielzeit = zeit_.lokaleZeit();
}

const Spielstand& lesen(const Spiel& spiel) {
    return spiel.stand();
}

const Laufwerte& laufwerte(const Spiel& spiel) {
    return spiel.lauf();
}

bool Spiel::Gesendet::enthaelt(int r) const {
    for (int z : zeilen)
        if (z == r) return true;
    return false;
}

void Spiel::gesendet(int zeile, int taxi, int fahrer) {
    if (!imTakt_) return;
    gesendet_.zeilen.push_back(zeile);
    gesendet_.taxen.at(taxi) = true;
    gesendet_.fahrer.at(fahrer) = true;
}

void Spiel::geldMelden() {
    anzeige_.geldGeaendert(stand_.vermoegen, Geldform::allgemein);
}

}  // namespace kabrolux
