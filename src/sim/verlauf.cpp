#include "sim/verlauf.h"

#include <algorithm>
#include <cmath>

#include "sim/spiel.h"
#include "state/statistik.h"

namespace kabrolux {

Verlauf::Verlauf() {
    // Reserved once, so a sample in the tick never allocates.
    punkte_.reserve(kPlaetze);
}

void Verlauf::neuBeginnen(bool geladen, DatumZeit zeit) {
    punkte_.clear();
    aeltester_ = 0;
    gekuerzt_ = false;
    geladen_ = geladen;
    beginn_ = zeit;
}

void Verlauf::aufnehmen(const Verlaufspunkt& p) {
    if (anzahl() < kPlaetze) {
        punkte_.push_back(p);
    } else {
        punkte_[aeltester_] = p;
        aeltester_ = (aeltester_ + 1) % kPlaetze;
        gekuerzt_ = true;
    }
}

const Verlaufspunkt& Verlauf::operator[](int i) const {
    return punkte_.at((aeltester_ + i) % kPlaetze);
}

Verlaufspunkt verlaufspunkt(const Spielstand& s) {
    Verlaufspunkt p;
    p.zeit = s.spielzeit;
    p.vermoegen = s.vermoegen;
    p.schulden = s.schulden;
    p.image = s.image;
    p.bekanntheit = s.bekanntheit;
    p.untergrundansehen = s.untergrundansehen;
    p.attraktivitaet = s.attraktivitaet;
    for (int k = 1; k <= kAktien; ++k)
        p.kurse[k - 1] = s.aktien[k].kurs;
    const Statistik st = statistikBerechnen(s);
    p.erhalten = st.erhalten;
    p.angenommen = st.angenommen;
    p.erledigt = st.erledigt;
    p.verpasst = st.verpasst;
    return p;
}

void verlaufAufzeichnen(Spiel& spiel) {
    spiel.verlauf().aufnehmen(verlaufspunkt(spiel.stand()));
    spiel.anzeige().verlaufGeaendert();
}

void verlaufNeuBeginnen(Spiel& spiel, bool geladen) {
    spiel.verlauf().neuBeginnen(geladen, spiel.stand().spielzeit);
    spiel.anzeige().verlaufGeaendert();
}

int attraktivitaetspunkte(int32_t attraktivitaet) {
    const double punkte = (static_cast<double>(attraktivitaet) + 100.0) * 100.0 / 90.0;
    return static_cast<int>(std::lround(std::clamp(punkte, 0.0, 100.0)));
}

}  // namespace kabrolux
