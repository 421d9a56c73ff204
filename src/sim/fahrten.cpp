#include "sim/fahrten.h"

#include "sim/spiel.h"
#include "state/auftraege.h"
#include "state/zahlen.h"

namespace kabrolux {

namespace {

int32_t begrenzt(int32_t v, int32_t lo, int32_t hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

}  // namespace

void loescheauftrag(Spiel& spiel, int n) {
    raeumeZeile(spiel.stand().auftraege[n]);
    spiel.anzeige().auftraegeGeaendert();
}

void auswahlZuruecksetzen(Spiel& spiel) {
    Spielstand& s = spiel.stand();
    s.gewaehlterauftrag = -1;
    s.gewaehltestaxi = -1;
    s.gewaehlterfahrer = -1;
    spiel.anzeige().auswahlZurueckgesetzt();
}

void verfallpruefen(Spiel& spiel) {
    Spielstand& s = spiel.stand();
    const DatumZeit jetzt = s.spielzeit;  // no input runs during this pass
    durchlaufeBenutzte(s.auftraege, [&](int r, Auftrag& a) {
        if (a.belegt != 1 || a.restminuten != 0 || a.unterwegs != 0) return;
        if (!(a.abholzeit.alsZeit() + 18 * kMinute < jetzt)) return;
        if (a.angenommen == 1) s.image = begrenzt(plusUmlauf(s.image, -10), -100, 100);
        loescheauftrag(spiel, r);
        auswahlZuruecksetzen(spiel);
        spiel.anzeige().balkenGeaendert(Balken::image, s.image);
    });
}

namespace {

// The four ways a finished trip is settled.
void fahrpreisAbrechnen(Spiel& spiel, const Auftrag& a) {
    Spielstand& s = spiel.stand();
    s.erledigteauftraege = plusUmlauf(s.erledigteauftraege, 1);
    s.vermoegen += a.einnahmen;
    spiel.geldMelden();
    spiel.anzeige().meldung("Auftrag " + zahlText(a.nummer) + " hat ihnen " +
                            zahlText(a.einnahmen) + " € eingebracht.");
    s.image = begrenzt(plusUmlauf(s.image, a.imagebonus), -100, 100);
    spiel.anzeige().balkenGeaendert(Balken::image, s.image);
}

std::string gerundetesGeld(double vermoegen) {
    return "Vermögen: " + zahlText(Round64(vermoegen)) + " €";
}

void sonderauftragGelungen(Spiel& spiel, const Auftrag& a) {
    Spielstand& s = spiel.stand();
    Anzeige& anzeige = spiel.anzeige();
    s.erledigteauftraege = plusUmlauf(s.erledigteauftraege, 1);
    s.vermoegen += a.einnahmen;
    anzeige.geldGeaendert(gerundetesGeld(s.vermoegen));
    anzeige.meldung("Sonderauftrag " + zahlText(a.nummer) + " hat ihnen " + zahlText(a.einnahmen) +
                    " € eingebracht. Sie wurde bei der Ausführung nicht erwischt. Ihr Ansehen im "
                    "Untergrundmilieu steigt. Vielleicht bekommen Sie nun öfters solche "
                    "Aufträge...");
    s.untergrundansehen = begrenzt(plusUmlauf(s.untergrundansehen, 1), 0, 20);
    anzeige.balkenGeaendert(Balken::untergrund, 5 * s.untergrundansehen);
}

void sonderauftragErwischt(Spiel& spiel, const Auftrag& a) {
    Spielstand& s = spiel.stand();
    Anzeige& anzeige = spiel.anzeige();
    s.erledigteauftraege = plusUmlauf(s.erledigteauftraege, 1);
    // Half the money; a company in debt has nothing to seize, and a fine never pays out.
    const double strafe = s.vermoegen > 0 ? s.vermoegen * 50 / 100 : 0.0;
    anzeige.meldung("Sonderauftrag " + zahlText(a.nummer) +
                    " ging schief. Jemand hat Ihnen etwas gesteckt. Sie bezahlen eine Strafe von " +
                    zahlText(Round64(strafe)) + " €.");
    s.untergrundansehen = begrenzt(plusUmlauf(s.untergrundansehen, -5), 0, 20);
    anzeige.balkenGeaendert(Balken::untergrund, 5 * s.untergrundansehen);
    s.vermoegen -= strafe;
    anzeige.geldGeaendert(gerundetesGeld(s.vermoegen));
}

void unfallAbrechnen(Spiel& spiel, const Auftrag& a) {
    Spielstand& s = spiel.stand();
    const int32_t schaden = spiel.zufall().Random(4000) + 100;
    spiel.anzeige().meldung("Ihr Taxi, das den Auftrag " + zahlText(a.nummer) +
                            " erledigte hatte einen Unfall. Der Schaden beträgt " +
                            zahlText(schaden) + " €.");
    s.vermoegen -= schaden;
    spiel.geldMelden();
    s.image = begrenzt(plusUmlauf(s.image, -10), -100, 100);
    spiel.anzeige().balkenGeaendert(Balken::image, s.image);
}

void abrechnen(Spiel& spiel, const Auftrag& a) {
    if (a.unfallwurf == 0)
        unfallAbrechnen(spiel, a);
    else if (a.sonderauftrag == 0)
        fahrpreisAbrechnen(spiel, a);
    else if (a.sonderauftrag >= 2)
        sonderauftragGelungen(spiel, a);
    else
        sonderauftragErwischt(spiel, a);
}

}  // namespace

void fahrtenfortschreiben(Spiel& spiel) {
    Spielstand& s = spiel.stand();
    Anzeige& anzeige = spiel.anzeige();
    // A taxi or driver freed after the last refresh of the lists (a slot counted after the row
    // that settled its trip) must not be missing from them at the end of the tick.
    bool freiGeworden = false;
    auto slotZaehlen = [&](int k) {
        if (!spiel.imTaktGesendet().taxen[k]) {
            Taxi& t = s.taxen[k];
            if (t.restminuten > 0) --t.restminuten;
            if (t.restminuten == 0) {
                freiGeworden |= t.unterwegs != 0;
                t.unterwegs = 0;
            }
        }
        if (!spiel.imTaktGesendet().fahrer[k]) {
            Fahrer& f = s.fahrer[k];
            if (f.restminuten > 0) --f.restminuten;
            if (f.restminuten == 0) {
                freiGeworden |= f.unterwegs != 0;
                f.unterwegs = 0;
            }
        }
    };

    // Only the player can send a trip in the middle of the scan, while a settlement lets input
    // run; whether anything was sent is read again after each settlement.
    bool gesendet = !spiel.imTaktGesendet().zeilen.empty();
    const int letzte = durchlaufeBenutzte(s.auftraege, [&](int r, Auftrag& a) {
        if (r <= kSlots) slotZaehlen(r);
        // A trip sent while this tick runs starts counting with the next tick, like its taxi
        // and driver, so all three finish in the same tick.
        if (gesendet && spiel.imTaktGesendet().zeile(r)) return;

        if (a.restminuten > 0 && a.unterwegs == 1) --a.restminuten;
        if (a.restminuten == 0 && a.unterwegs == 1) a.abschluss = 1;
        if (a.abschluss != 1) return;

        abrechnen(spiel, a);
        raeumeZeile(a);
        freiGeworden = false;
        anzeige.auftraegeGeaendert();
        anzeige.ereignisseVerarbeiten();
        auswahlZuruecksetzen(spiel);
        anzeige.ereignisseVerarbeiten();
        gesendet = !spiel.imTaktGesendet().zeilen.empty();
    });

    // Slots whose row lies beyond the end of the scan still count down once per tick.
    for (int k = letzte + 1; k <= kSlots; ++k)
        slotZaehlen(k);
    if (freiGeworden) {
        anzeige.auftraegeGeaendert();
        auswahlZuruecksetzen(spiel);
    }
}

}  // namespace kabrolux
