#include "economy/kataloge.h"
#include "sim/spiel.h"
#include "state/zahlen.h"

namespace kabrolux {

bool Spiel::fahrerVor() {
    return blaettern(stand.aktuellerfahrer, +1, 12);
}

bool Spiel::fahrerZurueck() {
    return blaettern(stand.aktuellerfahrer, -1, 12);
}

void Spiel::fahrerEinstellen() {
    auto halt = uhr.aussetzen();
    Spielstand& s = stand;
    const Katalogeintrag* k = kandidat(s.aktuellerfahrer);
    if (!k) return;
    int slot = 0;
    for (int i = 1; i <= kSlots && slot == 0; ++i)
        if (s.fahrer[i].belegt == 0) slot = i;
    // Each candidate is employed at most once, so a slot is free unless the data is damaged.
    if (slot == 0) return;
    s.fahrer[slot] =
        Fahrer{1, preisVon(*k), 0, 0, s.aktuellerfahrer, s.fahrernummer, zifferAn(k->vierter, 12)};
    s.fahrernummer = plusUmlauf(s.fahrernummer, 1);
    s.eingestellt[s.aktuellerfahrer] = 1;
}

bool Spiel::fahrerEntlassen() {
    auto halt = uhr.aussetzen();
    Spielstand& s = stand;
    if (!kandidat(s.aktuellerfahrer)) return false;
    int slot = 0;
    for (int i = 1; i <= kSlots && slot == 0; ++i)
        if (s.fahrer[i].belegt == 1 && s.fahrer[i].kandidat == s.aktuellerfahrer) slot = i;
    if (slot == 0 || s.fahrer[slot].unterwegs != 0) return false;
    s.fahrer[slot].belegt = 0;
    s.eingestellt[s.aktuellerfahrer] = 0;
    s.vermoegen -= s.fahrer[slot].gehalt;
    anzeige().meldung("Der entlassene Fahrer bekommt heute sein letztes Gehalt ausgezahlt.");
    return true;
}

}  // namespace kabrolux
