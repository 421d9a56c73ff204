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
    durchlaufeBenutzte(s.auftraege, [&](int r, Auftrag& a) {
        if (a.belegt != 1 || a.restminuten != 0 || a.unterwegs != 0) return;
        if (!(a.abholzeit.alsZeit() + 18 * kMinute < s.spielzeit)) return;
        if (a.angenommen == 1) s.image = begrenzt(plusUmlauf(s.image, -10), -100, 100);
        loescheauftrag(spiel, r);
        auswahlZuruecksetzen(spiel);
        spiel.anzeige().balkenGeaendert(Balken::image, s.image);
    });
}

void fahrtenfortschreiben(Spiel& spiel) {
    Spielstand& s = spiel.stand();
    Anzeige& anzeige = spiel.anzeige();
    auto slotZaehlen = [&](int k) {
        Taxi& t = s.taxen[k];
        Fahrer& f = s.fahrer[k];
        if (t.restminuten > 0) --t.restminuten;
        if (f.restminuten > 0) --f.restminuten;
        if (t.restminuten == 0) t.unterwegs = 0;
        if (f.restminuten == 0) f.unterwegs = 0;
    };

    const int letzte = durchlaufeBenutzte(s.auftraege, [&](int r, Auftrag& a) {
        if (r <= kSlots) slotZaehlen(r);

        if (a.restminuten > 0 && a.unterwegs == 1) --a.restminuten;
        if (a.restminuten == 0 && a.unterwegs == 1) a.abschluss = 1;
        if (a.abschluss != 1) return;

        const std::string nr = zahlText(a.nummer);
        if (a.unfallwurf != 0 && a.sonderauftrag == 0) {
            s.erledigteauftraege = plusUmlauf(s.erledigteauftraege, 1);
            s.vermoegen += a.einnahmen;
            spiel.geldMelden();
            anzeige.meldung("Auftrag " + nr + " hat ihnen " + zahlText(a.einnahmen) +
                            " € eingebracht.");
            s.image = begrenzt(plusUmlauf(s.image, a.imagebonus), -100, 100);
            anzeige.balkenGeaendert(Balken::image, s.image);
        } else if (a.unfallwurf != 0 && a.sonderauftrag >= 2) {
            s.erledigteauftraege = plusUmlauf(s.erledigteauftraege, 1);
            s.vermoegen += a.einnahmen;
            anzeige.geldGeaendert("Vermögen: " + zahlText(Round64(s.vermoegen)) + " €");
            anzeige.meldung(
                "Sonderauftrag " + nr + " hat ihnen " + zahlText(a.einnahmen) +
                " € eingebracht. Sie wurde bei der Ausführung nicht erwischt. Ihr Ansehen im "
                "Untergrundmilieu steigt. Vielleicht bekommen Sie nun öfters solche "
                "Aufträge...");
            s.untergrundansehen = begrenzt(plusUmlauf(s.untergrundansehen, 1), 0, 20);
            anzeige.balkenGeaendert(Balken::untergrund, 5 * s.untergrundansehen);
        } else if (a.unfallwurf != 0) {  // caught
            s.erledigteauftraege = plusUmlauf(s.erledigteauftraege, 1);
            const double strafe = s.vermoegen * 50 / 100;
            anzeige.meldung("Sonderauftrag " + nr +
                            " ging schief. Jemand hat Ihnen etwas gesteckt. Sie bezahlen eine "
                            "Strafe von " +
                            zahlText(Round64(strafe)) + " €.");
            s.untergrundansehen = begrenzt(plusUmlauf(s.untergrundansehen, -5), 0, 20);
            anzeige.balkenGeaendert(Balken::untergrund, 5 * s.untergrundansehen);
            s.vermoegen -= strafe;
            anzeige.geldGeaendert("Vermögen: " + zahlText(Round64(s.vermoegen)) + " €");
        } else {
            const int32_t schaden = spiel.zufall().Random(4000) + 100;
            anzeige.meldung("Ihr Taxi, das den Auftrag " + nr +
                            " erledigte hatte einen Unfall. Der Schaden beträgt " +
                            zahlText(schaden) + " €.");
            s.vermoegen -= schaden;
            spiel.geldMelden();
            s.image = begrenzt(plusUmlauf(s.image, -10), -100, 100);
            anzeige.balkenGeaendert(Balken::image, s.image);
        }
        raeumeZeile(a);
        anzeige.auftraegeGeaendert();
        anzeige.ereignisseVerarbeiten();
        auswahlZuruecksetzen(spiel);
        anzeige.ereignisseVerarbeiten();
    });

    // Slots whose row lies beyond the end of the scan still count down once per tick.
    for (int k = letzte + 1; k <= kSlots; ++k)
        slotZaehlen(k);
}

}  // namespace kabrolux
