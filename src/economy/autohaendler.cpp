#include "economy/autohaendler.h"

#include "sim/spiel.h"
#include "state/kataloge.h"
#include "state/zahlen.h"

namespace kabrolux {

void autohaendlerOeffnen(Spiel& spiel) {
    spiel.stand().aktuellesauto = 1;
}

bool autoVor(Spiel& spiel) {
    return blaettern(spiel.stand().aktuellesauto, +1, 4);
}

bool autoZurueck(Spiel& spiel) {
    return blaettern(spiel.stand().aktuellesauto, -1, 4);
}

bool autoKaufen(Spiel& spiel) {
    auto halt = spiel.uhr().aussetzen();
    Spielstand& s = spiel.stand();
    const Automodell* modell = automodell(s.aktuellesauto);
    if (!modell) return false;
    const int32_t preis = preisVon(*modell);
    if (preis > s.vermoegen) return false;

    const int slot = freierPlatz(s.taxen);
    if (slot == 0) {
        spiel.anzeige().meldung(Meldung::von(Meldungsart::taxenVoll));
        return false;
    }
    s.taxen[slot] = Taxi{1, preis, 0, 0, 0, s.aktuellesauto, s.taxinummer};
    s.taxinummer = plusUmlauf(s.taxinummer, 1);
    s.vermoegen -= preis;
    spiel.geldMelden();
    return true;
}

}  // namespace kabrolux
