#include "pruefung.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "state/auftraege.h"

namespace kabrolux::test {

namespace {

std::string werte(const Spielstand& s) {
    if (!std::isfinite(s.vermoegen) || !std::isfinite(s.grundpreis) ||
        !std::isfinite(s.kilometerpreis) || !std::isfinite(s.spielzeit))
        return "money, prices or time not finite";
    if (s.image < -100 || s.image > 100) return "image " + std::to_string(s.image);
    if (s.bekanntheit < 0 || s.bekanntheit > 300)
        return "popularity " + std::to_string(s.bekanntheit);
    if (s.untergrundansehen < 0 || s.untergrundansehen > 20)
        return "underworld " + std::to_string(s.untergrundansehen);
    if (s.schulden < 0 || s.schulden % 10000 != 0) return "debt " + std::to_string(s.schulden);
    for (const Aktie& a : s.aktien)
        if (a.kurs < 1 || a.stueck < 0) return "share price or holding";
    if (s.erledigteauftraege < 0 || s.angenommeneauftraege < 0 ||
        (s.spiellaeuft == 1 && s.erledigteauftraege > s.auftragsnummer - 1))
        return "counters";
    return {};
}

std::string flotte(const Spielstand& s) {
    std::set<int32_t> kandidaten;
    for (int k = 1; k <= kSlots; ++k) {
        const Taxi& t = s.taxen[k];
        const Fahrer& f = s.fahrer[k];
        if (t.belegt < 0 || t.belegt > 1 || t.unterwegs < 0 || t.unterwegs > 1 ||
            t.restminuten < 0 || (t.belegt == 1 && (t.modell < 1 || t.modell > 4)))
            return "taxi slot " + std::to_string(k);
        if (f.belegt < 0 || f.belegt > 1 || f.unterwegs < 0 || f.unterwegs > 1 ||
            f.restminuten < 0 ||
            (f.belegt == 1 && (f.kandidat < 1 || f.kandidat > 12 || f.erfahrung < 1)))
            return "driver slot " + std::to_string(k);
        if (f.belegt == 1 && !kandidaten.insert(f.kandidat).second)
            return "candidate " + std::to_string(f.kandidat) + " in two slots";
    }
    for (int k = 1; k <= kSlots; ++k)
        if ((s.eingestellt[k] == 1) != (kandidaten.count(k) == 1))
            return "eingestellt[" + std::to_string(k) + "] disagrees with the slots";
    return {};
}

std::string auftraege(const Spielstand& s) {
    std::set<int32_t> nummern;
    bool ende = false;
    for (int r = 1; r <= kAuftragsZeilen; ++r) {
        const Auftrag& a = s.auftraege[r];
        if (a.belegt == 1 && ende)
            return "live order behind the used region, row " + std::to_string(r);
        if (nieBenutzt(a)) ende = true;
        if (a.belegt < 0 || a.belegt > 1 || a.restminuten < 0 ||
            (a.belegt == 1 && a.restminuten > 0 && a.unterwegs != 1))
            return "order row " + std::to_string(r) + ": belegt " + std::to_string(a.belegt) +
                   ", restminuten " + std::to_string(a.restminuten) + ", unterwegs " +
                   std::to_string(a.unterwegs);
        if (a.belegt == 1 && !nummern.insert(a.nummer).second)
            return "order number " + std::to_string(a.nummer) + " twice";
    }
    return {};
}

// Every trip has one taxi and one driver, and all three count the same minutes.
std::string fahrten(const Spielstand& s) {
    std::vector<int32_t> auftragsMinuten, fahrerMinuten;
    for (const Auftrag& a : s.auftraege) {
        if (a.belegt != 1 || a.unterwegs != 1) continue;
        auftragsMinuten.push_back(a.restminuten);
        int taxen = 0;
        for (const Taxi& t : s.taxen)
            if (t.belegt == 1 && t.unterwegs == 1 && t.nummer == a.taxinr) {
                ++taxen;
                if (t.restminuten != a.restminuten)
                    return "taxi " + std::to_string(t.nummer) + " counts " +
                           std::to_string(t.restminuten) + ", its order " +
                           std::to_string(a.restminuten);
            }
        if (taxen != 1)
            return "order " + std::to_string(a.nummer) + " has " + std::to_string(taxen) + " taxis";
    }
    int busyTaxen = 0;
    for (const Taxi& t : s.taxen)
        if (t.belegt == 1 && t.unterwegs == 1) ++busyTaxen;
    for (const Fahrer& f : s.fahrer)
        if (f.belegt == 1 && f.unterwegs == 1) fahrerMinuten.push_back(f.restminuten);
    if (busyTaxen != static_cast<int>(auftragsMinuten.size()))
        return std::to_string(busyTaxen) + " busy taxis for " +
               std::to_string(auftragsMinuten.size()) + " trips";
    std::sort(auftragsMinuten.begin(), auftragsMinuten.end());
    std::sort(fahrerMinuten.begin(), fahrerMinuten.end());
    if (auftragsMinuten != fahrerMinuten) return "busy drivers do not match the trips";
    return {};
}

}  // namespace

std::string invariantenPruefen(const Spielstand& s, bool mitFahrten) {
    for (auto pruefe : {werte, flotte, auftraege}) {
        std::string f = pruefe(s);
        if (!f.empty()) return f;
    }
    return mitFahrten ? fahrten(s) : std::string();
}

std::string verlaufPruefen(const Verlauf& v, DatumZeit jetzt) {
    auto minute = [](DatumZeit t) { return std::llround(t * 1440); };
    auto stunde = [&](DatumZeit t) { return static_cast<long long>(std::floor(minute(t) / 60.0)); };
    const long long erwartet =
        std::min<long long>(Verlauf::kPlaetze, std::max(0LL, stunde(jetzt) - stunde(v.beginn())));
    if (v.anzahl() != erwartet)
        return std::to_string(v.anzahl()) + " samples for " + std::to_string(erwartet) + " hours";
    if (v.leer()) return {};
    const DatumZeit letzte = v[v.anzahl() - 1].zeit;
    if (minute(letzte) != stunde(jetzt) * 60) return "last sample not at the last full hour";
    if (v.anzahl() > 1 && minute(letzte) - minute(v[v.anzahl() - 2].zeit) != 60)
        return "samples not an hour apart";
    return {};
}

}  // namespace kabrolux::test
