#include "sim/fahrten.h"

#include "sim/spiel.h"
#include "state/auftraege.h"
#include "state/zahlen.h"

namespace kabrolux {

namespace {

int32_t begrenzt(int32_t v, int32_t lo, int32_t hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

}  // namespace

void loescheauftrag(Spiel& spiel, int n) {
    raeumeZeile(spiel.stand().auftraege[n]);
    spiel.anzeige().auftraegeGeaendert();
}

void auswahlZuruecksetzen(Spiel& spiel) {
    Laufwerte& l = spiel.lauf();
    l.gewaehlterauftrag = -1;
    l.gewaehltestaxi = -1;
    l.gewaehlterfahrer = -1;
    spiel.anzeige().auswahlZurueckgesetzt();
}

namespace {

// An order nobody was sent to, 18 minutes after its pickup time.
bool verfaellt(const Auftrag& a, DatumZeit jetzt) {
    return a.belegt == 1 && a.restminuten == 0 && a.unterwegs == 0 &&
           a.abholzeit.alsZeit() + 18 * kMinute < jetzt;
}

// The expiry pass from row `ab` on.
void verfallAb(Spiel& spiel, int ab) {
    Spielstand& s = spiel.stand();
    const DatumZeit jetzt = s.spielzeit;  // no input runs during this pass
    durchlaufeBenutzte(
        s.auftraege,
        [&](int r, Auftrag& a) {
            if (!verfaellt(a, jetzt)) return;
            if (a.angenommen == 1) s.image = begrenzt(plusUmlauf(s.image, -10), -100, 100);
            loescheauftrag(spiel, r);
            auswahlZuruecksetzen(spiel);
            spiel.anzeige().balkenGeaendert(Balken::image, s.image);
        },
        ab);
}

}  // namespace

void verfallpruefen(Spiel& spiel) {
    verfallAb(spiel, 1);
}

namespace {

// The four ways a finished trip is settled.
void fahrpreisAbrechnen(Spiel& spiel, const Auftrag& a) {
    Spielstand& s = spiel.stand();
    s.erledigteauftraege = plusUmlauf(s.erledigteauftraege, 1);
    s.vermoegen += a.einnahmen;
    spiel.geldMelden();
    spiel.anzeige().meldung("Auftrag " + zahlText(a.nummer) + " hat ihnen " +
                            zahlText(a.einnahmen) + " € eingebracht.");
    s.image = begrenzt(plusUmlauf(s.image, a.imagebonus), -100, 100);
    spiel.anzeige().balkenGeaendert(Balken::image, s.image);
}

std::string gerundetesGeld(double vermoegen) {
    return "Vermögen: " + zahlText(Round64(vermoegen)) + " €";
}

void sonderauftragGelungen(Spiel& spiel, const Auftrag& a) {
    Spielstand& s = spiel.stand();
    Anzeige& anzeige = spiel.anzeige();
    s.erledigteauftraege = plusUmlauf(s.erledigteauftraege, 1);
    s.vermoegen += a.einnahmen;
    anzeige.geldGeaendert(gerundetesGeld(s.vermoegen));
    anzeige.meldung("Sonderauftrag " + zahlText(a.nummer) + " hat ihnen " + zahlText(a.einnahmen) +
                    " € eingebracht. Sie wurde bei der Ausführung nicht erwischt. Ihr Ansehen im "
                    "Untergrundmilieu steigt. Vielleicht bekommen Sie nun öfters solche "
                    "Aufträge...");
    s.untergrundansehen = begrenzt(plusUmlauf(s.untergrundansehen, 1), 0, 20);
    anzeige.balkenGeaendert(Balken::untergrund, untergrundpunkte(s.untergrundansehen));
}

void sonderauftragErwischt(Spiel& spiel, const Auftrag& a) {
    Spielstand& s = spiel.stand();
    Anzeige& anzeige = spiel.anzeige();
    s.erledigteauftraege = plusUmlauf(s.erledigteauftraege, 1);
    // Half the money; a company in debt has nothing to seize, and a fine never pays out.
    const double strafe = s.vermoegen > 0 ? s.vermoegen * 50 / 100 : 0.0;
    anzeige.meldung("Sonderauftrag " + zahlText(a.nummer) +
                    " ging schief. Jemand hat Ihnen etwas gesteckt. Sie bezahlen eine Strafe von " +
                    zahlText(Round64(strafe)) + " €.");
    s.untergrundansehen = begrenzt(plusUmlauf(s.untergrundansehen, -5), 0, 20);
    anzeige.balkenGeaendert(Balken::untergrund, untergrundpunkte(s.untergrundansehen));
    s.vermoegen -= strafe;
    anzeige.geldGeaendert(gerundetesGeld(s.vermoegen));
}

void unfallAbrechnen(Spiel& spiel, const Auftrag& a) {
    Spielstand& s = spiel.stand();
    const int32_t schaden = spiel.zufall().Random(4000) + 100;
    spiel.anzeige().meldung("Ihr Taxi, das den Auftrag " + zahlText(a.nummer) +
                            " erledigte hatte einen Unfall. Der Schaden beträgt " +
                            zahlText(schaden) + " €.");
    s.vermoegen -= schaden;
    spiel.geldMelden();
    s.image = begrenzt(plusUmlauf(s.image, -10), -100, 100);
    spiel.anzeige().balkenGeaendert(Balken::image, s.image);
}

}  // namespace

void fahrtAbrechnen(Spiel& spiel, const Auftrag& a) {
    if (a.unfallwurf == 0)
        unfallAbrechnen(spiel, a);
    else if (a.sonderauftrag == Auftrag::kRegulaer)
        fahrpreisAbrechnen(spiel, a);
    else if (a.sonderauftrag >= Auftrag::kSonderGelungenAb)
        sonderauftragGelungen(spiel, a);
    else
        sonderauftragErwischt(spiel, a);
}

namespace {

// One tick's countdown of trips, taxis and drivers.
class Fortschreibung {
  public:
    explicit Fortschreibung(Spiel& spiel)
        : spiel_(spiel),
          s_(spiel.stand()),
          anzeige_(spiel.anzeige()),
          gesendet_(!spiel.imTaktGesendet().zeilen.empty()) {}

    // Row r, checked once; a walk goes on from there row by row.
    Auftrag* ab(int r) { return &s_.auftraege[r]; }

    // Counts taxi slot k and driver slot k down one minute; at 0 they are free.
    void slot(int k) {
        if (!spiel_.imTaktGesendet().taxen[k]) zaehlen(s_.taxen[k]);
        if (!spiel_.imTaktGesendet().fahrer[k]) zaehlen(s_.fahrer[k]);
    }

    // Counts the trip of row r down and settles it when it is over; false after the last row
    // of the scan (the first never-used row, or row 999).
    // Inlined into the scans: the common row only counts; the settlement is out of line.
    [[gnu::always_inline]] bool zeile(int r, Auftrag& a) {
        if (zaehlt(r)) {
            if (a.restminuten > 0 && a.unterwegs == 1) --a.restminuten;
            if (a.restminuten == 0 && a.unterwegs == 1) a.abschluss = Auftrag::kFahrtVorbei;
            if (a.abschluss == Auftrag::kFahrtVorbei) abschliessen(a);
        }
        return !nieBenutzt(a) && r < kAuftragsZeilen;
    }

    // A taxi or driver freed after the last refresh of the lists (a slot counted after the row
    // that settled its trip) must not be missing from them at the end of the tick. Only a
    // settlement or an expiry clears the dispatch selections; this refresh keeps them.
    void ende() {
        if (freiGeworden_) anzeige_.auftraegeGeaendert();
    }

  private:
    // A trip sent while this tick runs starts counting with the next tick, like its taxi and
    // driver, so all three finish in the same tick.
    bool zaehlt(int r) const { return !(gesendet_ && spiel_.imTaktGesendet().zeile(r)); }

    template <class Slot>
    void zaehlen(Slot& slot) {
        if (slot.restminuten > 0) --slot.restminuten;
        if (slot.restminuten != 0) return;
        freiGeworden_ |= slot.unterwegs != 0;
        slot.unterwegs = 0;
    }

    [[gnu::noinline]] void abschliessen(Auftrag& a) {
        fahrtAbrechnen(spiel_, a);
        raeumeZeile(a);
        freiGeworden_ = false;
        anzeige_.auftraegeGeaendert();
        anzeige_.ereignisseVerarbeiten();
        auswahlZuruecksetzen(spiel_);
        anzeige_.ereignisseVerarbeiten();
        // Only the player can send a trip in the middle of the scan, while a settlement lets
        // input run.
        gesendet_ = !spiel_.imTaktGesendet().zeilen.empty();
    }

    Spiel& spiel_;
    Spielstand& s_;
    Anzeige& anzeige_;
    bool gesendet_;
    bool freiGeworden_ = false;
};

}  // namespace

namespace {

// The trip pass from row r on. Slot k is counted at the visit of row k; the rows beyond the
// slots have a loop of their own, free of slot work.
void fahrtenAb(Fortschreibung& f, int r) {
    Auftrag* zeile = f.ab(r);
    bool weiter = true;
    for (; r <= kSlots && weiter; ++r, ++zeile) {
        f.slot(r);
        weiter = f.zeile(r, *zeile);
    }
    for (; r <= kAuftragsZeilen && weiter; ++r, ++zeile)
        weiter = f.zeile(r, *zeile);
    // Slots whose row lies beyond the end of the scan still count down once per tick.
    for (int k = r; k <= kSlots; ++k)
        f.slot(k);
    f.ende();
}

// The usual minute: no order expires and no trip ends, so both passes only count trips down.
// This walk does that, reading each row once, and stops at the first row where something
// happens, its number returned; 0 when the walk got through. A row sent while this tick runs
// is no usual minute and never reaches here.
int nurZaehlen(Auftrag* zeile, DatumZeit jetzt) {
    for (int r = 1; r <= kAuftragsZeilen; ++r, ++zeile) {
        Auftrag& a = *zeile;
        if (a.unterwegs == 1) {
            if (a.restminuten <= 1 || a.abschluss == Auftrag::kFahrtVorbei) return r;
            --a.restminuten;
        } else if (a.abschluss == Auftrag::kFahrtVorbei || verfaellt(a, jetzt)) {
            return r;
        }
        if (nieBenutzt(a)) break;
    }
    return 0;
}

// Takes back what nurZaehlen did to the rows above row r: each trip there had more than a
// minute left and was counted down by one.
void zuruecknehmen(Auftrag* zeile, int r) {
    for (int q = 1; q < r; ++q, ++zeile)
        if (zeile->unterwegs == 1) ++zeile->restminuten;
}

}  // namespace

void fahrtenfortschreiben(Spiel& spiel) {
    Fortschreibung f(spiel);
    fahrtenAb(f, 1);
}

void verfallUndFahrten(Spiel& spiel) {
    Fortschreibung f(spiel);
    Auftrag* erste = f.ab(1);
    const int r =
        spiel.imTaktGesendet().zeilen.empty() ? nurZaehlen(erste, spiel.stand().spielzeit) : 1;
    if (r == 0) {
        // Nothing showed meanwhile, so the slots may follow the rows.
        for (int k = 1; k <= kSlots; ++k)
            f.slot(k);
        f.ende();
        return;
    }
    // Something happens at row r. Every redraw must show what the two passes in their order
    // show, so the counting above is taken back, and the expiry pass (no row above r expires)
    // and then the trip pass run from the start.
    zuruecknehmen(erste, r);
    verfallAb(spiel, r);
    fahrtenAb(f, 1);
}

}  // namespace kabrolux
