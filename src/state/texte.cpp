#include "state/texte.h"

#include "state/auftraege.h"
#include "state/kataloge.h"
#include "state/zahlen.h"

namespace kabrolux {

std::string geldText(double vermoegen) {
    return "Vermögen: " + zahlText(vermoegen) + " €";
}

std::vector<std::string> fahrtenZeilen(const Spielstand& s) {
    std::vector<std::string> z;
    if (s.spiellaeuft != 1) return z;
    durchlaufeBenutzte(s.auftraege, [&](int, const Auftrag& a) {
        if (a.unterwegs != 1) return;
        const DatumZeit ende = s.spielzeit + a.restminuten * kMinute;
        z.push_back("Auftrag " + zahlText(a.nummer) + " geht über " + zahlText(a.kilometer) +
                    " km und wird um " + zeitText(ende) +
                    " Uhr erledigt sein.Die Einnahmen werden " + zahlText(a.einnahmen) +
                    " € betragen.");
    });
    return z;
}

std::vector<std::string> freieTaxenZeilen(const Spielstand& s) {
    std::vector<std::string> z;
    for (const Taxi& t : s.taxen) {
        if (t.belegt != 1 || t.unterwegs != 0) continue;
        const Automodell* m = automodell(t.modell);
        z.push_back(zweistellig(t.nummer) + ": " + (m ? m->name : ""));
    }
    return z;
}

std::vector<std::string> freieFahrerZeilen(const Spielstand& s) {
    std::vector<std::string> z;
    for (const Fahrer& f : s.fahrer) {
        if (f.belegt != 1 || f.unterwegs != 0) continue;
        const Fahrerkandidat* k = kandidat(f.kandidat);
        z.push_back(zweistellig(f.nummer) + ": " + (k ? k->name : "") + " (" +
                    (k ? k->erfahrung : "") + ")");
    }
    return z;
}

Hauptlisten hauptlisten(const Spielstand& s) {
    return {fahrtenZeilen(s), freieTaxenZeilen(s), freieFahrerZeilen(s)};
}

}  // namespace kabrolux
