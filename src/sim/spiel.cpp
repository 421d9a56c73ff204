#include "sim/spiel.h"

#include "economy/kataloge.h"
#include "state/auftraege.h"
#include "state/zahlen.h"

namespace kabrolux {

Spiel::Spiel(Zeitquelle& zeit, Anzeige& anzeige) : zeit_(zeit), anzeige_(anzeige) {
    stand.spiellaeuft = 0;
    stand.spielzeit = zeit_.lokaleZeit();
}

std::string Spiel::geldText() const {
    return "Vermögen: " + zahlText(stand.vermoegen) + " €";
}

bool Spiel::neuesSpiel(int32_t startkapital, const std::string& grundpreisText,
                       const std::string& kilometerpreisText) {
    Spielstand& s = stand;
    s.untergrundansehen = 0;
    s.angenommeneauftraege = 0;
    s.erledigteauftraege = 0;

    const FloatLesen grund = liesFloat(grundpreisText);
    if (!grund.wert) {
        anzeige_.meldung(grund.fehler);
        return false;
    }
    s.grundpreis = *grund.wert;
    const FloatLesen km = liesFloat(kilometerpreisText);
    if (!km.wert) {
        anzeige_.meldung(km.fehler);
        return false;
    }
    s.kilometerpreis = *km.wert;

    for (int k = 0; k < kAktien; ++k) {
        bank.kurs[k] = "100.0";
        bank.vor6[k] = "N/A";
        bank.vor12[k] = "N/A";
    }
    for (Aktie& a : s.aktien) {
        a.kurs = 100;
        a.stueck = 0;
    }
    for (int k = 0; k < kAktien; ++k)
        bank.depot[k] = "0 Stk.";

    s.schulden = 0;
    s.taxinummer = 1;
    s.fahrernummer = 1;
    s.auftragsnummer = 1;
    for (int slot = 1; slot <= kSlots; ++slot) {
        s.taxen[slot].belegt = 0;
        s.fahrer[slot].belegt = 0;
        s.eingestellt[slot] = 0;
    }
    if (startkapital != 0) s.vermoegen = startkapital;
    geldMelden();
    leereTabelle(s.auftraege);
    s.bekanntheit = 0;
    s.image = 0;
    uhr.einschalten();
    s.spiellaeuft = 1;
    anzeige_.bankAuffrischen();
    return true;
}

void Spiel::Timer1Timer() {
    // A tick never runs inside another one (the player may act while a tick's message is open).
    if (imTakt_) return;
    struct Markierung {
        bool& b;
        explicit Markierung(bool& f) : b(f) { b = true; }
        ~Markierung() { b = false; }
    } markierung(imTakt_);
    auto halt = uhr.aussetzen();

    stand.spielzeit += kMinute;
    anzeige_.uhrAnzeigen(uhrText(stand.spielzeit));

    const Zerlegt z = zerlege(stand.spielzeit);
    if (z.minute == 0) {
        if (z.stunde == 0) {
            aktienkurseberechnen();
            gehaelterzahlen();
        } else if (z.stunde == 6 || z.stunde == 12 || z.stunde == 18) {
            aktienkurseberechnen();
        }
    }
    bekanntheitVerfallen();
    verfallpruefen();
    fahrtenfortschreiben();
    auftragerzeugen();
}

void Spiel::gehaelterzahlen() {
    for (const Fahrer& f : stand.fahrer)
        if (f.belegt == 1) stand.vermoegen -= f.gehalt;
    geldMelden();
}

void Spiel::bekanntheitVerfallen() {
    zufall.neuSaeen(zeit_);
    if (zufall.Random(2000) == 0) {
        stand.bekanntheit = stand.bekanntheit < 10 ? 0 : stand.bekanntheit - 10;
    }
    anzeige_.balkenAnzeigen(Balken::bekanntheit, stand.bekanntheit);
}

void Spiel::tasteGedrueckt(char taste) {
    if (stand.spiellaeuft != 1) return;
    switch (taste) {
        case '4':
            geschwindigkeitGewaehlt(50, true);
            break;
        case '3':
            geschwindigkeitGewaehlt(400, true);
            break;
        case '2':
            geschwindigkeitGewaehlt(1000, true);
            break;
        case '1':
            geschwindigkeitGewaehlt(2000, true);
            break;
        case '0':
            geschwindigkeitGewaehlt(0, true);
            break;
        default:
            break;
    }
}

void Spiel::geschwindigkeitGewaehlt(int ms, bool spielGestartet) {
    if (ms == 0) {
        uhr.ausschalten();
        return;
    }
    uhr.setzeIntervall(ms);
    if (spielGestartet) uhr.einschalten();
}

bool Spiel::blaettern(int32_t& nr, int schritt, int hoechste) {
    const int32_t ziel = nr + schritt;
    if ((schritt > 0 && nr >= hoechste) || (schritt < 0 && nr <= 1)) return false;
    nr = ziel < 1 ? 1 : (ziel > hoechste ? hoechste : ziel);
    return true;
}

Hauptlisten Spiel::hauptlisten() const {
    Hauptlisten l;
    if (stand.spiellaeuft == 1) {
        durchlaufeBenutzte(stand.auftraege, [&](int, const Auftrag& a) {
            if (a.unterwegs != 1) return;
            const DatumZeit ende = stand.spielzeit + a.restminuten * kMinute;
            l.fahrten.push_back("Auftrag " + zahlText(a.nummer) + " geht über " +
                                zahlText(a.kilometer) + " km und wird um " + zeitText(ende) +
                                " Uhr erledigt sein.Die Einnahmen werden " + zahlText(a.einnahmen) +
                                " € betragen.");
        });
    }
    l.taxen = freieTaxenZeilen();
    l.fahrer = freieFahrerZeilen();
    return l;
}

std::vector<std::string> Spiel::freieTaxenZeilen() const {
    std::vector<std::string> z;
    for (const Taxi& t : stand.taxen) {
        if (t.belegt != 1 || t.unterwegs != 0) continue;
        const Katalogeintrag* m = automodell(t.modell);
        z.push_back(zweistellig(t.nummer) + ": " + (m ? m->name : ""));
    }
    return z;
}

std::vector<std::string> Spiel::freieFahrerZeilen() const {
    std::vector<std::string> z;
    for (const Fahrer& f : stand.fahrer) {
        if (f.belegt != 1 || f.unterwegs != 0) continue;
        const Katalogeintrag* k = kandidat(f.kandidat);
        z.push_back(zweistellig(f.nummer) + ": " + (k ? k->name : "") + " (" +
                    (k ? k->vierter : "") + ")");
    }
    return z;
}

}  // namespace kabrolux
