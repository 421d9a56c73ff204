#include "desk/taxisenden.h"

#include "sim/fahrten.h"
#include "sim/spiel.h"
#include "state/auftraege.h"
#include "state/kataloge.h"
#include "state/texte.h"
#include "state/zahlen.h"

namespace kabrolux {

SendenListen sendenAufbauen(Spiel& spiel) {
    auto halt = spiel.uhr().aussetzen();
    const Spielstand& stand = spiel.stand();
    spiel.stand().gewaehlterauftrag = -1;
    spiel.stand().gewaehltestaxi = -1;
    spiel.stand().gewaehlterfahrer = -1;
    SendenListen l;
    for (const Auftrag& a : stand.auftraege) {
        if (a.angenommen == 1 && a.unterwegs == 0 && (a.sonderauftrag == 0 || a.sonderauftrag == 1))
            l.auftraege.push_back(auftragsText(a));
    }
    l.taxen = freieTaxenZeilen(stand);
    l.fahrer = freieFahrerZeilen(stand);
    return l;
}

void auftragGewaehlt(Spiel& spiel, int zeile) {
    spiel.stand().gewaehlterauftrag = zeile;
}

void taxiGewaehlt(Spiel& spiel, int zeile) {
    spiel.stand().gewaehltestaxi = zeile;
}

void fahrerGewaehlt(Spiel& spiel, int zeile) {
    spiel.stand().gewaehlterfahrer = zeile;
}

namespace {

const std::string* gewaehlt(const std::vector<std::string>& liste, int32_t index) {
    return index >= 0 && index < static_cast<int32_t>(liste.size()) ? &liste[index] : nullptr;
}

}  // namespace

void taxiSenden(Spiel& spiel, const SendenListen& listen) {
    auto halt = spiel.uhr().aussetzen();
    Spielstand& s = spiel.stand();
    Zufall& zufall = spiel.zufall();
    if (s.gewaehlterauftrag == -1) {
        spiel.anzeige().meldung("Wählen Sie den zu erledigende Auftrag aus.");
        return;
    }
    if (s.gewaehltestaxi == -1) {
        spiel.anzeige().meldung("Wählen Sie das Taxi aus, das den Auftrag erledigen soll.");
        return;
    }
    if (s.gewaehlterfahrer == -1) {
        spiel.anzeige().meldung("Wählen Sie den Fahrer aus, der den Auftrag erledigen soll.");
        return;
    }

    // Map the chosen lines back to their rows by the numbers they carry. If the state changed
    // underneath the lists and something is gone, nothing is sent and the lists are rebuilt.
    const std::string* az = gewaehlt(listen.auftraege, s.gewaehlterauftrag);
    const std::string* tz = gewaehlt(listen.taxen, s.gewaehltestaxi);
    const std::string* fz = gewaehlt(listen.fahrer, s.gewaehlterfahrer);
    const auto auftragsNr = az ? nummerAusAuftragszeile(*az) : std::nullopt;
    const auto taxiNr = tz ? nummerAusListenzeile(*tz) : std::nullopt;
    const auto fahrerNr = fz ? nummerAusListenzeile(*fz) : std::nullopt;
    int r = 0, t = 0, d = 0;
    if (auftragsNr)
        for (int i = 1; i <= kAuftragsZeilen && r == 0; ++i)
            if (s.auftraege[i].nummer == *auftragsNr) r = i;
    if (fahrerNr)
        for (int i = 1; i <= kSlots && d == 0; ++i)
            if (s.fahrer[i].nummer == *fahrerNr) d = i;
    if (taxiNr)
        for (int i = 1; i <= kSlots && t == 0; ++i)
            if (s.taxen[i].nummer == *taxiNr) t = i;
    if (r == 0 || d == 0 || t == 0) {
        auswahlZuruecksetzen(spiel);
        return;
    }

    Auftrag& a = s.auftraege[r];
    Fahrer& f = s.fahrer[d];
    Taxi& taxi = s.taxen[t];
    f.unterwegs = 1;
    spiel.neuSaeen();
    const double minuten = (a.abholzeit.alsZeit() - s.spielzeit) / (1.0 / 1440.0) +
                           zufall.Random(30) + static_cast<double>(a.fahrzeit);
    int32_t m = Trunc(minuten);
    if (m < 0) m = 0;
    f.restminuten = m;
    taxi.unterwegs = 1;
    taxi.restminuten = m;
    taxi.zaehler = plusUmlauf(taxi.zaehler, a.nummer);
    a.restminuten = m;
    a.unterwegs = 1;
    a.taxinr = taxi.nummer;

    const Katalogeintrag* modell = automodell(taxi.modell);
    const int v = modell ? zifferAn(modell->name, 15) : 0;
    a.imagebonus = plusUmlauf(a.imagebonus, zufall.Random(v));
    a.unfallwurf = zufall.Random64(static_cast<int64_t>(f.erfahrung) * 10 + 30);
    if (a.sonderauftrag == 1) a.sonderauftrag = zufall.Random(4) + 1;

    spiel.anzeige().auftraegeGeaendert();
    auswahlZuruecksetzen(spiel);
}

}  // namespace kabrolux
