#include "desk/taxisenden.h"

#include <optional>

#include "sim/fahrten.h"
#include "sim/spiel.h"
#include "state/auftraege.h"
#include "state/kataloge.h"
#include "state/zahlen.h"

namespace kabrolux {

namespace {

SendenListen listenAusStand(const Spielstand& stand) {
    SendenListen l;
    for (const Auftrag& a : stand.auftraege) {
        // Only live rows: an accepted mark on a cleared row must never offer it for sending.
        if (a.belegt == 1 && a.angenommen == 1 && a.unterwegs == 0 && a.listbareArt())
            l.auftraege.push_back(a);
    }
    l.taxen = freieTaxenZeilen(stand);
    l.fahrer = freieFahrerZeilen(stand);
    return l;
}

// Where the line chosen in `alt` stands in `neu`, showing the same; -1 if nothing was chosen or
// it is gone.
template <class Zeile>
int32_t wiedergefunden(const std::vector<Zeile>& alt, const std::vector<Zeile>& neu, int32_t wahl) {
    if (wahl < 0 || wahl >= static_cast<int32_t>(alt.size())) return -1;
    for (std::size_t i = 0; i < neu.size(); ++i)
        if (neu[i] == alt[static_cast<std::size_t>(wahl)]) return static_cast<int32_t>(i);
    return -1;
}

}  // namespace

SendenListen sendenAufbauen(Spiel& spiel) {
    auto halt = spiel.uhr().aussetzen();
    Laufwerte& lauf = spiel.lauf();
    lauf.gewaehlterauftrag = -1;
    lauf.gewaehltestaxi = -1;
    lauf.gewaehlterfahrer = -1;
    return listenAusStand(spiel.stand());
}

SendenListen sendenNachfuehren(Spiel& spiel, const SendenListen& alt) {
    auto halt = spiel.uhr().aussetzen();
    SendenListen neu = listenAusStand(spiel.stand());
    Laufwerte& lauf = spiel.lauf();
    lauf.gewaehlterauftrag = wiedergefunden(alt.auftraege, neu.auftraege, lauf.gewaehlterauftrag);
    lauf.gewaehltestaxi = wiedergefunden(alt.taxen, neu.taxen, lauf.gewaehltestaxi);
    lauf.gewaehlterfahrer = wiedergefunden(alt.fahrer, neu.fahrer, lauf.gewaehlterfahrer);
    return neu;
}

void auftragGewaehlt(Spiel& spiel, int zeile) {
    spiel.lauf().gewaehlterauftrag = zeile;
}

void taxiGewaehlt(Spiel& spiel, int zeile) {
    spiel.lauf().gewaehltestaxi = zeile;
}

void fahrerGewaehlt(Spiel& spiel, int zeile) {
    spiel.lauf().gewaehlterfahrer = zeile;
}

namespace {

// The number the chosen line carries.
template <class Zeile>
std::optional<int32_t> gewaehlt(const std::vector<Zeile>& liste, int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(liste.size())) return std::nullopt;
    return liste[static_cast<std::size_t>(index)].nummer;
}

struct Zuordnung {
    int zeile = 0, taxi = 0, fahrer = 0;
    bool gueltig() const { return zeile != 0 && taxi != 0 && fahrer != 0; }
};

// The first occupied slot with this number, 0 if none.
template <class Slots>
int slotMitNummer(const Slots& slots, std::optional<int32_t> nummer) {
    if (!nummer) return 0;
    return slots.erste([&](const auto& e) { return e.belegt == 1 && e.nummer == *nummer; });
}

// The row, taxi and driver of the chosen lines, each only while it can still be sent: an
// accepted live order not under way, an owned taxi and an employed driver, both free.
Zuordnung zuordnen(const Spielstand& s, const Laufwerte& l, const SendenListen& listen) {
    Zuordnung z;
    z.zeile = slotMitNummer(s.auftraege, gewaehlt(listen.auftraege, l.gewaehlterauftrag));
    z.taxi = slotMitNummer(s.taxen, gewaehlt(listen.taxen, l.gewaehltestaxi));
    z.fahrer = slotMitNummer(s.fahrer, gewaehlt(listen.fahrer, l.gewaehlterfahrer));
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
    const Laufwerte& lauf = spiel.lauf();
    if (lauf.gewaehlterauftrag == -1) {
        spiel.anzeige().meldung(Meldung::von(Meldungsart::auftragWaehlen));
        return;
    }
    if (lauf.gewaehltestaxi == -1) {
        spiel.anzeige().meldung(Meldung::von(Meldungsart::taxiWaehlen));
        return;
    }
    if (lauf.gewaehlterfahrer == -1) {
        spiel.anzeige().meldung(Meldung::von(Meldungsart::fahrerWaehlen));
        return;
    }

    // Map the chosen lines back to their rows by the numbers they carry. If the state changed
    // underneath the lists (an order settled or expired, a driver dismissed, a line sent
    // already), nothing is sent and the lists are rebuilt.
    const Zuordnung z = zuordnen(s, lauf, listen);
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

    const Automodell* modell = automodell(taxi.modell);
    const int v = modell ? komfortstufe(*modell) : 0;
    a.imagebonus = plusUmlauf(a.imagebonus, zufall.Random(v));
    a.unfallwurf = zufall.Random64(static_cast<int64_t>(f.erfahrung) * 10 + 30);
    if (a.sonderauftrag == Auftrag::kSonderUngesendet)
        a.sonderauftrag = zufall.Random(Auftrag::kSonderZuege) + 1;

    spiel.anzeige().auftraegeGeaendert();
    auswahlZuruecksetzen(spiel);
}

}  // namespace kabrolux
