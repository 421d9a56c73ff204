#include "sim/laden.h"

#include "sim/kurse.h"
#include "sim/spiel.h"
#include "sim/verlauf.h"
#include "state/speicherdatei.h"

namespace kabrolux {

Meldung meldungZu(const Ladefehler& f) {
    return f.schaden ? Meldung::beschaedigt(*f.schaden) : Meldung::laufzeit(f.laufzeit);
}

bool spielSpeichern(Spiel& spiel, const std::string& pfad) {
    const std::string fehler = speichereDatei(pfad, spiel.stand());
    if (fehler.empty()) return true;
    spiel.anzeige().meldung(Meldung::laufzeit(fehler));
    return false;
}

bool spielLaden(Spiel& spiel, const std::string& pfad) {
    Spielstand& s = spiel.stand();
    const Ladefehler fehler = ladeDatei(pfad, s);
    if (!fehler.leer()) {
        spiel.anzeige().meldung(meldungZu(fehler));
        return false;
    }
    verlaufNeuBeginnen(spiel, true);
    Anzeige& a = spiel.anzeige();
    a.preiseGesetzt(s.kilometerpreis, s.grundpreis);
    a.balkenGeaendert(Balken::image, s.image);
    a.balkenGeaendert(Balken::bekanntheit, s.bekanntheit);
    a.balkenGeaendert(Balken::untergrund, untergrundpunkte(s.untergrundansehen));
    // Shown at once rather than from the next tick: with the clock paused the old game's date,
    // gauge and share prices would otherwise stay on the screens.
    a.balkenGeaendert(Balken::attraktivitaet, s.attraktivitaet);
    a.uhrGeaendert(s.spielzeit);
    // The price history is not saved; the current prices and holdings are.
    kurstafelAusStand(spiel.bank(), s);
    a.kurseGeaendert();
    spiel.geldMelden();
    a.auftraegeGeaendert();
    return true;
}

}  // namespace kabrolux
