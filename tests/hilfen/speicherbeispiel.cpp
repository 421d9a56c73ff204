#include "speicherbeispiel.h"

#include "state/auftraege.h"
#include "state/kataloge.h"
#include "testanzeige.h"

namespace kabrolux::test {

namespace {

// An order as generation writes it, picked up `minuten` after the clock.
Auftrag neuerAuftrag(const Spielstand& s, int32_t nummer, int minuten, bool sonder) {
    Auftrag a;
    a.belegt = 1;
    a.abholzeit = Abholzeit::zeit(s.spielzeit + minuten * kMinute);
    a.kunde = kundennamen[static_cast<std::size_t>(nummer) % kundennamen.size()];
    a.abholort = abholorte[static_cast<std::size_t>(nummer) % abholorte.size()];
    a.nummer = nummer;
    a.kilometer = 1 + nummer * 7 % 120;
    a.fahrzeit = a.kilometer + nummer % 30 - 5;
    a.einnahmen = sonder ? 3000 + nummer * 37 % 5000 : 3 + a.kilometer * 12 / 10;
    a.imagebonus = sonder ? 0 : nummer % 3;
    a.kennziffer = nummer % 4;
    a.sonderauftrag = sonder ? 1 : 0;
    return a;
}

// The dispatch's changes: taxi and driver leave, the trip time is fixed.
void senden(Spielstand& s, Auftrag& a, int slot, int32_t minuten) {
    Taxi& t = s.taxen[slot];
    Fahrer& f = s.fahrer[slot];
    t.unterwegs = f.unterwegs = a.unterwegs = 1;
    t.restminuten = f.restminuten = a.restminuten = minuten;
    t.zaehler += a.nummer;
    a.taxinr = t.nummer;
    a.imagebonus += 1;
    a.unfallwurf = 17;
    if (a.sonderauftrag == 1) a.sonderauftrag = 3;
}

void flotteUndPersonal(Spielstand& s) {
    for (int m = 1; m <= 5; ++m) {
        const int modell = (m - 1) % 4 + 1;
        s.taxen[m] = Taxi{1, preisVon(autokatalog[modell - 1]), 0, 0, 0, modell, s.taxinummer++};
        s.aktuellesauto = modell;
    }
    for (int c : {2, 5, 9, 12}) {
        const Fahrerkandidat& k = fahrerkatalog[c - 1];
        int slot = 1;
        while (s.fahrer[slot].belegt == 1)
            ++slot;
        s.fahrer[slot] = Fahrer{1, gehaltVon(k), 0, 0, c, s.fahrernummer++, erfahrungsstufe(k)};
        s.eingestellt[c] = 1;
        s.aktuellerfahrer = c;
    }
    s.aktuellerfahrer = 5;  // dismissed; the slot keeps the rest
    s.fahrer[2].belegt = 0;
    s.eingestellt[5] = 0;
}

void auftraege(Spielstand& s) {
    for (int r = 1; r <= 40; ++r) {
        s.auftraege[r] = neuerAuftrag(s, s.auftragsnummer, r % 25, r % 9 == 0);
        s.auftragsnummer++;
    }
    for (int r : {3, 4, 9, 10, 11, 20, 27})
        s.auftraege[r].angenommen = 1;
    s.angenommeneauftraege = 7;
    senden(s, s.auftraege[3], 1, 25);
    senden(s, s.auftraege[9], 3, 40);
    senden(s, s.auftraege[10], 4, 0);  // the next tick ends this trip
    for (int r : {1, 2, 5, 17, 33}) {
        raeumeZeile(s.auftraege[r]);
        s.erledigteauftraege++;
    }
    s.auftraege[17] = neuerAuftrag(s, s.auftragsnummer++, 12, false);  // reused row
    s.auftraege[6].kunde = "Herrn Krüger";
    s.auftraege[6].abholort = "Restaurant 'Zum Hirsch'";
}

}  // namespace

Spielstand startStand() {
    TestSpiel t;
    return t.s;
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
