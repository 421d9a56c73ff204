#include "state/speicherpruefung.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "state/auftraege.h"
#include "state/datum.h"

namespace kabrolux {

namespace {

constexpr int32_t kOhneGrenze = std::numeric_limits<int32_t>::max();

void bereich(const Ort& o, int32_t v, int32_t von, int32_t bis) {
    if (v >= von && v <= bis) return;
    if (von == bis) beschaedigt(o, Befund::wertStatt, v, von);
    if (bis == kOhneGrenze) beschaedigt(o, Befund::wertKleinerAls, v, von);
    beschaedigt(o, Befund::wertNichtZwischen, v, von, bis);
}

void schalter(const Ort& o, int32_t v) {
    bereich(o, v, 0, 1);
}

void nichtNegativ(const Ort& o, int32_t v) {
    bereich(o, v, 0, kOhneGrenze);
}

void endlich(const Ort& o, double x) {
    if (!std::isfinite(x)) beschaedigt(o, Befund::keineEndlicheZahl);
}

// The calendar the date texts can show: 1 January of year 1 up to the end of year 9999.
void datum(const Ort& o, DatumZeit t) {
    endlich(o, t);
    static const DatumZeit anfang = datumZeit(1, 1, 1);
    static const DatumZeit ende = datumZeit(10000, 1, 1);
    if (t < anfang || t >= ende) beschaedigt(o, Befund::datumAusserhalb);
}

void pruefeEinzelwerte(const Spielstand& s) {
    endlich({Stelle::vermoegen}, s.vermoegen);
    bereich({Stelle::aktuellesAuto}, s.aktuellesauto, 0, 4);
    // Files are written only while a game runs.
    bereich({Stelle::spielLaeuft}, s.spiellaeuft, 1, 1);
    // 0 is the value before the screen was ever opened.
    bereich({Stelle::aktuellerFahrer}, s.aktuellerfahrer, 0, 12);
    endlich({Stelle::grundpreis}, s.grundpreis);
    endlich({Stelle::kilometerpreis}, s.kilometerpreis);
    datum({Stelle::spielzeit}, s.spielzeit);
    bereich({Stelle::bekanntheit}, s.bekanntheit, 0, 300);
    bereich({Stelle::image}, s.image, -100, 100);
    bereich({Stelle::untergrundansehen}, s.untergrundansehen, 0, 20);
    for (int k = 1; k <= kSlots; ++k)
        schalter({Stelle::eingestellt, k}, s.eingestellt[k]);
    // Debts move in steps of 10000 and never below 0; the running numbers start at 1, and no
    // more orders can have been settled than were received. A share costs at least 1 euro: at
    // 0 or less a purchase would cost nothing or pay out.
    nichtNegativ({Stelle::schulden}, s.schulden);
    if (s.schulden % 10000 != 0)
        beschaedigt({Stelle::schulden}, Befund::keinVielfaches, s.schulden);
    bereich({Stelle::auftragsnummer}, s.auftragsnummer, 1, kOhneGrenze);
    bereich({Stelle::taxinummer}, s.taxinummer, 1, kOhneGrenze);
    bereich({Stelle::fahrernummer}, s.fahrernummer, 1, kOhneGrenze);
    bereich({Stelle::erledigteAuftraege}, s.erledigteauftraege, 0, s.auftragsnummer - 1);
    nichtNegativ({Stelle::angenommeneAuftraege}, s.angenommeneauftraege);
    for (int k = 1; k <= kAktien; ++k) {
        nichtNegativ({Stelle::aktie, k, 2}, s.aktien[k].stueck);
        bereich({Stelle::aktie, k, 3}, s.aktien[k].kurs, 1, kOhneGrenze);
    }
}

void pruefeAuftrag(int r, const Auftrag& a) {
    schalter({Stelle::auftrag, r, 1}, a.belegt);
    if (a.abholzeit.istZeit()) datum({Stelle::auftrag, r, 2}, a.abholzeit.alsZeit());
    schalter({Stelle::auftrag, r, 12}, a.angenommen);
    nichtNegativ({Stelle::auftrag, r, 15}, a.restminuten);
    schalter({Stelle::auftrag, r, 16}, a.unterwegs);
    // A live order counts minutes only while a taxi is on its way; otherwise it would neither
    // show in the inbox nor ever expire.
    if (a.belegt == 1 && a.restminuten > 0 && a.unterwegs != 1)
        beschaedigt({Stelle::auftrag, r, 15}, Befund::restminutenOhneFahrt, a.restminuten);
}

// Fields of empty slots keep whatever the last taxi or driver left there; only occupied
// slots must name a catalogue entry.
void pruefeFahrer(int k, const Fahrer& f) {
    schalter({Stelle::fahrer, k, 1}, f.belegt);
    schalter({Stelle::fahrer, k, 3}, f.unterwegs);
    nichtNegativ({Stelle::fahrer, k, 4}, f.restminuten);
    if (f.belegt != 1) return;
    bereich({Stelle::fahrer, k, 5}, f.kandidat, 1, 12);
    bereich({Stelle::fahrer, k, 7}, f.erfahrung, 1, 6);
}

void pruefeTaxi(int k, const Taxi& t) {
    schalter({Stelle::taxi, k, 1}, t.belegt);
    schalter({Stelle::taxi, k, 4}, t.unterwegs);
    nichtNegativ({Stelle::taxi, k, 5}, t.restminuten);
    if (t.belegt == 1) bereich({Stelle::taxi, k, 6}, t.modell, 1, 4);
}

// The personnel screen offers hiring or firing by `eingestellt`, and firing looks for the slot
// of the candidate: both must tell the same story.
void pruefeEingestellt(const Spielstand& s) {
    Tabelle<int, kSlots> slotVon{};  // candidate -> occupied slot; checked, whatever ran first
    for (int k = 1; k <= kSlots; ++k) {
        const Fahrer& f = s.fahrer[k];
        if (f.belegt != 1) continue;
        if (slotVon[f.kandidat] != 0)
            beschaedigt({Stelle::fahrer, k, 5}, Befund::kandidatSchonFahrer, f.kandidat,
                        slotVon[f.kandidat]);
        slotVon[f.kandidat] = k;
    }
    for (int c = 1; c <= kSlots; ++c) {
        if (s.eingestellt[c] == 1 && slotVon[c] == 0)
            beschaedigt({Stelle::eingestellt, c}, Befund::eingestelltOhneFahrer, c);
        if (s.eingestellt[c] == 0 && slotVon[c] != 0)
            beschaedigt({Stelle::eingestellt, c}, Befund::fahrerNichtEingestellt, slotVon[c], c);
    }
}

// The inbox and the dispatch find an order by its number, so two live orders must not share
// one.
void pruefeAuftragsnummern(const Auftragstabelle& t) {
    std::vector<std::pair<int32_t, int>> lebend;  // number, row
    lebend.reserve(kAuftragsZeilen);
    for (int r = 1; r <= kAuftragsZeilen; ++r)
        if (t[r].belegt == 1) lebend.emplace_back(t[r].nummer, r);
    std::sort(lebend.begin(), lebend.end());
    for (std::size_t i = 1; i < lebend.size(); ++i)
        if (lebend[i].first == lebend[i - 1].first)
            beschaedigt({Stelle::auftrag, lebend[i].second, 5}, Befund::nummerDoppelt,
                        lebend[i].first, lebend[i - 1].second);
}

// The clock's scans stop at the first never-used row; a live order behind it would never
// expire or finish.
void pruefeBenutztenBereich(const Auftragstabelle& t) {
    int ende = 0;
    for (int r = 1; r <= kAuftragsZeilen; ++r) {
        if (ende == 0) {
            if (nieBenutzt(t[r])) ende = r;
        } else if (t[r].belegt == 1) {
            beschaedigt({Stelle::auftrag, r, 1}, Befund::belegtHinterEnde, ende);
        }
    }
}

}  // namespace

void beschaedigt(const Ort& o, Befund befund, int64_t a, int64_t b, int64_t c) {
    throw Beschaedigt{Schaden{o, befund, a, b, c}};
}

void pruefeGeladenenStand(const Spielstand& s) {
    pruefeEinzelwerte(s);
    for (int r = 1; r <= kAuftragsZeilen; ++r)
        pruefeAuftrag(r, s.auftraege[r]);
    for (int k = 1; k <= kSlots; ++k)
        pruefeFahrer(k, s.fahrer[k]);
    for (int k = 1; k <= kSlots; ++k)
        pruefeTaxi(k, s.taxen[k]);
    pruefeEingestellt(s);
    pruefeAuftragsnummern(s.auftraege);
    pruefeBenutztenBereich(s.auftraege);
}

}  // namespace kabrolux
