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
        // Only live rows: an accepted mark on a cleared row must never offer it for sending.
        if (a.belegt == 1 && a.angenommen == 1 && a.unterwegs == 0 &&
            (a.sonderauftrag == 0 || a.sonderauftrag == 1))
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

struct Zuordnung {
    int zeile = 0, taxi = 0, fahrer = 0;
    bool gueltig() const { return zeile != 0 && taxi != 0 && fahrer != 0; }
};

// The first occupied slot with this number, 0 if none.
template <class Slots>
int slotMitNummer(const Slots& slots, std::optional<int32_t> nummer) {
    for (int i = 1; nummer && i <= Slots::groesse; ++i)
        if (slots[i].belegt == 1 && slots[i].nummer == *nummer) return i;
    return 0;
}

// The row, taxi and driver of the chosen lines, each only while it can still be sent: an
// accepted live order not under way, an owned taxi and an employed driver, both free.
Zuordnung zuordnen(const Spielstand& s, const SendenListen& listen) {
    const std::string* az = gewaehlt(listen.auftraege, s.gewaehlterauftrag);
    const std::string* tz = gewaehlt(listen.taxen, s.gewaehltestaxi);
    const std::string* fz = gewaehlt(listen.fahrer, s.gewaehlterfahrer);
    Zuordnung z;
    z.zeile = slotMitNummer(s.auftraege, az ? nummerAusAuftragszeile(*az) : std::nullopt);
    z.taxi = slotMitNummer(s.taxen, tz ? nummerAusListenzeile(*tz) : std::nullopt);
    z.fahrer = slotMitNummer(s.fahrer, fz ? nummerAusListenzeile(*fz) : std::nullopt);
    if (z.zeile != 0) {
        const Auftrag& a = s.auftraege[z.zeile];
        if (a.angenommen != 1 || a.unterwegs != 0) z.zeile = 0;
    }
    if (z.taxi != 0 && s.taxen[z.taxi].unterwegs != 0) z.taxi = 0;
    if (z.fahrer != 0 && s.fahrer[z.fahrer].unterwegs != 0) z.fahrer = 0;
    return z;
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
    // underneath the lists (an order settled or expired, a driver dismissed, a line sent
    // already), nothing is sent and the lists are rebuilt.
    const Zuordnung z = zuordnen(s, listen);
    if (!z.gueltig()) {
        auswahlZuruecksetzen(spiel);
        return;
    }
    const int r = z.zeile, t = z.taxi, d = z.fahrer;

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
    spiel.gesendet(r, t, d);

    const Katalogeintrag* modell = automodell(taxi.modell);
    const int v = modell ? zifferAn(modell->name, 15) : 0;
    a.imagebonus = plusUmlauf(a.imagebonus, zufall.Random(v));
    a.unfallwurf = zufall.Random64(static_cast<int64_t>(f.erfahrung) * 10 + 30);
    if (a.sonderauftrag == 1) a.sonderauftrag = zufall.Random(4) + 1;

    spiel.anzeige().auftraegeGeaendert();
    auswahlZuruecksetzen(spiel);
}

}  // namespace kabrolux
