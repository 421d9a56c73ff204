#include "speicherbeispiel.h"

#include <array>

#include "bausteine.h"
#include "state/auftraege.h"
#include "testanzeige.h"

namespace kabrolux::test {

namespace {

void flotteUndPersonal(Spielstand& s) {
    for (int m = 1; m <= 5; ++m) {
        const int modell = (m - 1) % 4 + 1;
        gekauftesTaxi(s, m, modell, s.taxinummer);
        s.aktuellesauto = modell;
    }
    for (int c : {2, 5, 9, 12}) {
        eingestellterFahrer(s, freierPlatz(s.fahrer), c, s.fahrernummer);
        s.aktuellerfahrer = c;
    }
    s.aktuellerfahrer = 5;  // dismissed; the slot keeps the rest
    s.fahrer[2].belegt = 0;
    s.eingestellt[5] = 0;
}

void auftraege(Spielstand& s) {
    for (int r = 1; r <= 40; ++r)
        (r % 9 == 0 ? neuerSonderauftrag : neuerAuftrag)(s, r, s.auftragsnummer, r % 25);
    for (int r : {3, 4, 9, 10, 11, 20, 27})
        s.auftraege[r].angenommen = 1;
    s.angenommeneauftraege = 7;
    // Dispatch draws the image bonus, the accident roll and a special order's outcome. The
    // next tick ends the trip of row 10.
    const std::array<std::array<int, 3>, 3> fahrten{{{3, 1, 25}, {9, 3, 40}, {10, 4, 0}}};
    for (const auto& [r, slot, minuten] : fahrten) {
        Auftrag& a = senden(s, r, slot, minuten);
        a.imagebonus += 1;
        a.unfallwurf = 17;
        if (a.sonderauftrag == Auftrag::kSonderUngesendet) a.sonderauftrag = 3;
    }
    for (int r : {1, 2, 5, 17, 33}) {
        raeumeZeile(s.auftraege[r]);
        s.erledigteauftraege++;
    }
    neuerAuftrag(s, 17, s.auftragsnummer, 12);  // reused row
    s.auftraege[6].kunde = "Herrn Krüger";
    s.auftraege[6].abholort = "Restaurant 'Zum Hirsch'";
}

}  // namespace

Spielstand startStand() {
    TestSpiel t;
    return t.s;
}

Spielstand startStand(double vermoegen) {
    Spielstand s = startStand();
    s.vermoegen = vermoegen;
    return s;
}

Spielstand mittleresSpiel() {
    TestSpiel t;
    Spielstand& s = t.s;
    s.vermoegen = 61234.5;
    s.schulden = 20000;
    s.grundpreis = 3.5;
    s.kilometerpreis = 1.25;
    s.spielzeit += 3 * 1440 * kMinute + 417 * kMinute;
    s.bekanntheit = 140;
    s.image = -20;
    s.untergrundansehen = 3;
    s.attraktivitaet = -142;
    flotteUndPersonal(s);
    auftraege(s);
    for (int k = 1; k <= kAktien; ++k)
        s.aktien[k].kurs = 95 + 3 * k;
    s.aktien[2].stueck = 40;
    s.aktien[5].stueck = 7;
    return s;
}

}  // namespace kabrolux::test
