#include "state/listen.h"

#include "state/auftraege.h"

namespace kabrolux {

std::vector<Fahrtzeile> fahrtenZeilen(const Spielstand& s) {
    std::vector<Fahrtzeile> z;
    if (s.spiellaeuft != 1) return z;
    durchlaufeBenutzte(s.auftraege, [&](int, const Auftrag& a) {
        if (a.unterwegs != 1) return;
        z.push_back({a.nummer, a.kilometer, s.spielzeit + a.restminuten * kMinute, a.einnahmen});
    });
    return z;
}

std::vector<Taxizeile> freieTaxenZeilen(const Spielstand& s) {
    std::vector<Taxizeile> z;
    for (const Taxi& t : s.taxen)
        if (t.belegt == 1 && t.unterwegs == 0) z.push_back({t.nummer, t.modell});
    return z;
}

std::vector<Fahrerzeile> freieFahrerZeilen(const Spielstand& s) {
    std::vector<Fahrerzeile> z;
    for (const Fahrer& f : s.fahrer)
        if (f.belegt == 1 && f.unterwegs == 0) z.push_back({f.nummer, f.kandidat});
    return z;
}

Hauptlisten hauptlisten(const Spielstand& s) {
    return {fahrtenZeilen(s), freieTaxenZeilen(s), freieFahrerZeilen(s)};
}

}  // namespace kabrolux
