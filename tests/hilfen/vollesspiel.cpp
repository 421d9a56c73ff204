#include "vollesspiel.h"

namespace kabrolux::test {

void tabelleFuellen(Spielstand& s) {
    for (int r = 1; r <= kAuftragsZeilen; ++r) {
        Auftrag& a = s.auftraege[r];
        a = Auftrag{};
        a.belegt = 1;
        a.nummer = r;
        a.abholzeit = Abholzeit::zeit(s.spielzeit + 100);
        a.kunde = "Herrn Meier";
        a.abholort = "Bahnhof";
        a.angenommen = r % 2;
        a.sonderauftrag = r % 7 == 0 ? 1 : 0;
        if (r <= kSlots) {
            a.unterwegs = 1;
            a.restminuten = 1'000'000'000;
            a.taxinr = r;
        }
    }
    for (int k = 1; k <= kSlots; ++k) {
        s.taxen[k] = Taxi{1, 20000, 0, 1, 1'000'000'000, 1 + k % 4, k};
        s.fahrer[k] = Fahrer{1, 97, 1, 1'000'000'000, k, k, 2};
    }
    s.auftragsnummer = kAuftragsZeilen + 1;
}

}  // namespace kabrolux::test
