#include "sim/kurse.h"

#include "sim/spiel.h"
#include "state/zahlen.h"

namespace kabrolux {

void banktexteZuruecksetzen(Banktexte& b) {
    b.kurs.fill("100.0");
    b.vor6.fill("N/A");
    b.vor12.fill("N/A");
    b.depot.fill("0 Stk.");
}

void banktexteAusStand(Banktexte& b, const Spielstand& s) {
    for (int k = 1; k <= kAktien; ++k) {
        b.kurs[k - 1] = zahlText(s.aktien[k].kurs);
        b.depot[k - 1] = zahlText(s.aktien[k].stueck) + " Stk.";
    }
}

void aktienkurseberechnen(Spiel& spiel) {
    Spielstand& s = spiel.stand();
    Banktexte& bank = spiel.bank();
    spiel.neuSaeen();
    for (Aktie& a : s.aktien) {
        a.kurs = plusUmlauf(a.kurs, spiel.zufall().Random(7) - 3);
        if (a.kurs < 1) a.kurs = 1;
    }
    bank.vor12 = bank.vor6;
    bank.vor6 = bank.kurs;
    banktexteAusStand(bank, s);
    spiel.anzeige().kurseGeaendert();

    if (s.schulden > 0) {
        const int32_t zinsen = Round(s.schulden / 100.0 / 4.0);
        spiel.anzeige().meldung("Die Kreditzinsen von " + zahlText(zinsen) +
                                " € werden jetzt an die Bank gezahlt.");
        s.vermoegen -= zinsen;
        spiel.geldMelden();
    }
}

}  // namespace kabrolux
