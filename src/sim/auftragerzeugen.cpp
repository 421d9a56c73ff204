#include "sim/auftragerzeugen.h"

#include "sim/spiel.h"
#include "state/auftraege.h"
#include "state/kataloge.h"
#include "state/zahlen.h"

namespace kabrolux {

namespace {

// The consumer-protection office's fine for excessive prices, in euros.
constexpr int32_t kVerbraucherstrafe = 1000;

}  // namespace

void auftragerzeugen(Spiel& spiel) {
    Spielstand& s = spiel.stand();
    Zufall& zufall = spiel.zufall();
    spiel.neuSaeen();
    const int32_t a = Round(15.0 * s.image / 100.0);
    const int32_t b = Round(15.0 * s.bekanntheit / 300.0);

    // n <= 0 (absurdly low prices) means an order every minute, as Random(0) gives.
    const int32_t n = Round(30.0 * s.grundpreis + s.kilometerpreis + 40.0 - a - b);
    const int32_t r = zufall.Random(n);

    // Negating the rounded value equals rounding the negated sum (halves to even is
    // symmetric), and cannot overflow.
    s.attraktivitaet = Round(-(25.0 * s.grundpreis + s.kilometerpreis + 40.0 - a - b));
    spiel.anzeige().balkenGeaendert(Balken::attraktivitaet, s.attraktivitaet);
    if (r != 0) return;

    const bool sonder = zufall.Random64(24 - static_cast<int64_t>(s.untergrundansehen)) == 0;
    int32_t imagebonus = 0, einnahmen = 0;
    if (!sonder) imagebonus = zufall.Random(3);
    const int32_t z = zufall.Random(30) + 10;
    const int32_t km = zufall.Random(120) + 1;
    const int32_t fahrzeit = km + zufall.Random(30) - 5;
    if (sonder)
        einnahmen = zufall.Random(5000) + 3000;
    else
        einnahmen = Round(km * s.kilometerpreis + s.grundpreis);

    if (s.kilometerpreis >= 11 || s.grundpreis >= 31) {
        spiel.anzeige().meldung(
            Meldung::von(Meldungsart::verbraucherzentrale, 0, kVerbraucherstrafe));
        s.vermoegen -= kVerbraucherstrafe;
        spiel.geldMelden();
        s.grundpreis = kStandardGrundpreis;
        s.kilometerpreis = kStandardKilometerpreis;
        spiel.anzeige().preiseGesetzt(s.kilometerpreis, s.grundpreis);
        return;
    }

    const DatumZeit abholzeit = s.spielzeit + 1.0 / z;
    const int ort = zufall.Random(10) + 1;
    const int kunde = zufall.Random(20) + 1;

    // A full table takes no order this minute: nothing is written or announced, and the
    // order number is not used up.
    const int zeile = freierPlatz(s.auftraege);
    if (zeile == 0) return;

    Auftrag& neu = s.auftraege[zeile];
    neu = Auftrag{};
    neu.belegt = 1;
    neu.abholzeit = Abholzeit::zeit(abholzeit);
    neu.kunde = kundennamen[kunde - 1];
    neu.abholort = abholorte[ort - 1];
    neu.nummer = s.auftragsnummer;
    s.auftragsnummer = plusUmlauf(s.auftragsnummer, 1);
    neu.fahrzeit = fahrzeit;
    neu.einnahmen = einnahmen;
    neu.imagebonus = imagebonus;
    neu.kilometer = km;
    neu.sonderauftrag = sonder ? Auftrag::kSonderUngesendet : Auftrag::kRegulaer;
    neu.kennziffer = zufall.Random(Auftrag::kKennziffern);
    spiel.anzeige().auftragEingegangen(neu);
}

}  // namespace kabrolux
