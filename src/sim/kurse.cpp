#include "sim/kurse.h"

#include "sim/spiel.h"
#include "state/zahlen.h"

namespace kabrolux {

void kurstafelZuruecksetzen(Kurstafel& t) {
    t.kurs.fill({Kurswert::Art::start, 100});
    t.vor6.fill({});
    t.vor12.fill({});
    t.depot.fill({});
}

void kurstafelAusStand(Kurstafel& t, const Spielstand& s) {
    for (int k = 1; k <= kAktien; ++k) {
        t.kurs[k - 1] = Kurswert::von(s.aktien[k].kurs);
        t.depot[k - 1] = {s.aktien[k].stueck, false};
    }
}

void aktienkurseberechnen(Spiel& spiel) {
    Spielstand& s = spiel.stand();
    Kurstafel& bank = spiel.bank();
    spiel.neuSaeen();
    for (Aktie& a : s.aktien) {
        a.kurs = plusUmlauf(a.kurs, spiel.zufall().Random(7) - 3);
        if (a.kurs < 1) a.kurs = 1;
    }
    bank.vor12 = bank.vor6;
    bank.vor6 = bank.kurs;
    kurstafelAusStand(bank, s);
    spiel.anzeige().kurseGeaendert();

    if (s.schulden > 0) {
        const int32_t zinsen = Round(s.schulden / 100.0 / 4.0);
        spiel.anzeige().meldung(Meldung::von(Meldungsart::kreditzinsen, 0, zinsen));
        s.vermoegen -= zinsen;
        spiel.geldMelden();
    }
}

}  // namespace kabrolux
