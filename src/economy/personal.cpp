#include "economy/personal.h"

#include "sim/spiel.h"
#include "state/kataloge.h"
#include "state/zahlen.h"

namespace kabrolux {

void personalOeffnen(Spiel& spiel) {
    spiel.stand().aktuellerfahrer = 1;
}

bool fahrerVor(Spiel& spiel) {
    return blaettern(spiel.stand().aktuellerfahrer, +1, 12);
}

bool fahrerZurueck(Spiel& spiel) {
    return blaettern(spiel.stand().aktuellerfahrer, -1, 12);
}

bool kandidatEingestellt(const Spiel& spiel, int n) {
    return kandidat(n) && spiel.stand().eingestellt[n] == 1;
}

void fahrerEinstellen(Spiel& spiel) {
    auto halt = spiel.uhr().aussetzen();
    Spielstand& s = spiel.stand();
    const Fahrerkandidat* k = kandidat(s.aktuellerfahrer);
    // An employed candidate is not hired a second time (the button is hidden then; a second
    // press arriving before that must not fill a second slot).
    if (!k || s.eingestellt[s.aktuellerfahrer] == 1) return;
    // Each candidate is employed at most once, so a slot is free unless the data is damaged.
    const int slot = freierPlatz(s.fahrer);
    if (slot == 0) return;
    s.fahrer[slot] =
        Fahrer{1, gehaltVon(*k), 0, 0, s.aktuellerfahrer, s.fahrernummer, erfahrungsstufe(*k)};
    s.fahrernummer = plusUmlauf(s.fahrernummer, 1);
    s.eingestellt[s.aktuellerfahrer] = 1;
}

bool fahrerEntlassen(Spiel& spiel, const std::function<void()>& vorDerMeldung) {
    auto halt = spiel.uhr().aussetzen();
    Spielstand& s = spiel.stand();
    if (!kandidat(s.aktuellerfahrer)) return false;
    const int slot = s.fahrer.erste(
        [&](const Fahrer& f) { return f.belegt == 1 && f.kandidat == s.aktuellerfahrer; });
    if (slot == 0 || s.fahrer[slot].unterwegs != 0) return false;
    s.fahrer[slot].belegt = 0;
    if (vorDerMeldung) vorDerMeldung();
    s.eingestellt[s.aktuellerfahrer] = 0;
    s.vermoegen -= s.fahrer[slot].gehalt;
    spiel.anzeige().meldung(Meldung::von(Meldungsart::fahrerEntlassen));
    return true;
}

}  // namespace kabrolux
