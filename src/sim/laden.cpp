#include "sim/laden.h"

#include "sim/kurse.h"
#include "sim/spiel.h"
#include "sim/verlauf.h"
#include "state/datum.h"
#include "state/speicherdatei.h"
#include "state/zahlen.h"

namespace kabrolux {

bool spielSpeichern(Spiel& spiel, const std::string& pfad) {
    const std::string fehler = speichereDatei(pfad, spiel.stand());
    if (fehler.empty()) return true;
    spiel.anzeige().meldung(fehler);
    return false;
}

bool spielLaden(Spiel& spiel, const std::string& pfad) {
    Spielstand& s = spiel.stand();
    const std::string fehler = ladeDatei(pfad, s);
    if (!fehler.empty()) {
        spiel.anzeige().meldung(fehler);
        return false;
    }
    verlaufNeuBeginnen(spiel, true);
    Anzeige& a = spiel.anzeige();
    a.preiseGesetzt(zahlText(s.kilometerpreis), zahlText(s.grundpreis));
    a.balkenGeaendert(Balken::image, s.image);
    a.balkenGeaendert(Balken::bekanntheit, s.bekanntheit);
    a.balkenGeaendert(Balken::untergrund, untergrundpunkte(s.untergrundansehen));
    // Shown at once rather than from the next tick: with the clock paused the old game's date,
    // gauge and share prices would otherwise stay on the screens.
    a.balkenGeaendert(Balken::attraktivitaet, s.attraktivitaet);
    a.uhrGeaendert(uhrText(s.spielzeit));
    // The price history is not saved; the current prices and holdings are.
    banktexteAusStand(spiel.bank(), s);
    a.kurseGeaendert();
    spiel.geldMelden();
    a.auftraegeGeaendert();
    return true;
}

}  // namespace kabrolux
