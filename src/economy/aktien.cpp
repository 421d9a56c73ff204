#include "sim/spiel.h"
#include "state/zahlen.h"

namespace kabrolux {

void Spiel::aktienkurseberechnen() {
    zufall.neuSaeen(zeit());
    for (Aktie& a : stand.aktien) {
        a.kurs = plusUmlauf(a.kurs, zufall.Random(7) - 3);
        if (a.kurs < 1) a.kurs = 1;
    }
    bank.vor12 = bank.vor6;
    bank.vor6 = bank.kurs;
    for (int k = 1; k <= kAktien; ++k) {
        bank.kurs[k - 1] = zahlText(stand.aktien[k].kurs);
        bank.depot[k - 1] = zahlText(stand.aktien[k].stueck) + " Stk.";
    }
    anzeige().bankAuffrischen();

    if (stand.schulden > 0) {
        const int32_t zinsen = Round(stand.schulden / 100.0 / 4.0);
        anzeige().meldung("Die Kreditzinsen von " + zahlText(zinsen) +
                          " € werden jetzt an die Bank gezahlt.");
        stand.vermoegen -= zinsen;
        anzeige().geldAnzeigen(geldText());
    }
}

}  // namespace kabrolux
