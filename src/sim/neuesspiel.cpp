#include "sim/neuesspiel.h"

#include "sim/spiel.h"
#include "sim/verlauf.h"
#include "state/auftraege.h"
#include "state/zahlen.h"

namespace kabrolux {

namespace {

// Reads a price field; shows the conversion message when it is not a number.
bool preisLesen(Spiel& spiel, const std::string& text, double& ziel) {
    const FloatLesen l = liesFloat(text);
    if (!l.wert) {
        spiel.anzeige().meldung(Meldung::laufzeit(l.fehler));
        return false;
    }
    ziel = *l.wert;
    return true;
}

}  // namespace

bool preiseLesen(Spiel& spiel, const std::string& grundpreisText,
                 const std::string& kilometerpreisText) {
    Spielstand& s = spiel.stand();
    return preisLesen(spiel, grundpreisText, s.grundpreis) &&
           preisLesen(spiel, kilometerpreisText, s.kilometerpreis);
}

bool neuesSpiel(Spiel& spiel, int32_t startkapital, const std::string& grundpreisText,
                const std::string& kilometerpreisText) {
    Spielstand& s = spiel.stand();
    s.untergrundansehen = 0;
    s.angenommeneauftraege = 0;
    s.erledigteauftraege = 0;
    if (!preiseLesen(spiel, grundpreisText, kilometerpreisText)) return false;
    verlaufNeuBeginnen(spiel, false);

    kurstafelZuruecksetzen(spiel.bank());
    for (Aktie& a : s.aktien) {
        a.kurs = 100;
        a.stueck = 0;
    }
    s.schulden = 0;
    s.taxinummer = 1;
    s.fahrernummer = 1;
    s.auftragsnummer = 1;
    for (int slot = 1; slot <= kSlots; ++slot) {
        s.taxen[slot].belegt = 0;
        s.fahrer[slot].belegt = 0;
        s.eingestellt[slot] = 0;
    }
    if (startkapital != 0) s.vermoegen = startkapital;
    spiel.geldMelden();
    leereTabelle(s.auftraege);
    s.bekanntheit = 0;
    s.image = 0;
    spiel.uhr().einschalten();
    s.spiellaeuft = 1;
    spiel.anzeige().kurseGeaendert();
    return true;
}

}  // namespace kabrolux
