#include "sim/spiel.h"

#include "sim/lesen.h"

#include "state/texte.h"

namespace kabrolux {

Spiel::Spiel(Zeitquelle& zeit, Anzeige& anzeige) : zeit_(zeit), anzeige_(anzeige) {
    stand_.spiellaeuft = 0;
    stand_.spielzeit = zeit_.lokaleZeit();
}

const Spielstand& lesen(const Spiel& spiel) {
    return spiel.stand();
}

void Spiel::geldMelden() {
    anzeige_.geldGeaendert(geldText(stand_.vermoegen));
}

}  // namespace kabrolux
