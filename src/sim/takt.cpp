#include "sim/takt.h"

#include "sim/auftragerzeugen.h"
#include "sim/fahrten.h"
#include "sim/kurse.h"
#include "sim/spiel.h"
#include "sim/verlauf.h"
#include "state/datum.h"

namespace kabrolux {

void Timer1Timer(Spiel& spiel) {
    Spiel::Taktmarke marke(spiel);
    if (!marke.frei()) return;
    auto halt = spiel.uhr().aussetzen();
    Spielstand& s = spiel.stand();

    s.spielzeit += kMinute;
    spiel.anzeige().uhrGeaendert(s.spielzeit);

    const Zerlegt z = zerlege(s.spielzeit);
    if (z.minute == 0) {
        if (z.stunde == 0) {
            aktienkurseberechnen(spiel);
            gehaelterzahlen(spiel);
        } else if (z.stunde == 6 || z.stunde == 12 || z.stunde == 18) {
            aktienkurseberechnen(spiel);
        }
    }
    bekanntheitVerfallen(spiel);
    verfallUndFahrten(spiel);
    auftragerzeugen(spiel);
    if (z.minute == 0) verlaufAufzeichnen(spiel);
}

void gehaelterzahlen(Spiel& spiel) {
    Spielstand& s = spiel.stand();
    for (const Fahrer& f : s.fahrer)
        if (f.belegt == 1) s.vermoegen -= f.gehalt;
    spiel.geldMelden();
}

void bekanntheitVerfallen(Spiel& spiel) {
    Spielstand& s = spiel.stand();
    spiel.neuSaeen();
    if (spiel.zufall().Random(2000) == 0)
        s.bekanntheit = s.bekanntheit < 10 ? 0 : s.bekanntheit - 10;
    spiel.anzeige().balkenGeaendert(Balken::bekanntheit, s.bekanntheit);
}

void tasteGedrueckt(Spiel& spiel, char taste) {
    if (spiel.stand().spiellaeuft != 1) return;
    if (taste >= '0' && taste <= '4') geschwindigkeitGewaehlt(spiel, kTaktMs[taste - '0']);
}

void geschwindigkeitGewaehlt(Spiel& spiel, int ms) {
    Uhr& uhr = spiel.uhr();
    if (ms == 0) {
        uhr.ausschalten();
        return;
    }
    uhr.setzeIntervall(ms);
    if (spiel.stand().spiellaeuft == 1) uhr.einschalten();
}

}  // namespace kabrolux
