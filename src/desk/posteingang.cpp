#include "desk/posteingang.h"

#include "sim/spiel.h"
#include "state/auftraege.h"
#include "state/zahlen.h"

namespace kabrolux {

namespace {

// Visits the live rows of the used region whose number is n, as the tick marks are matched to
// rows. Cleared and never-used rows all carry number 0; a line must never reach them.
template <class Tabelle, class F>
void zeilenMitNummer(Tabelle& t, int32_t n, F&& f) {
    durchlaufeBenutzte(t, [&](int, auto& a) {
        if (a.belegt == 1 && a.nummer == n) f(a);
    });
}

}  // namespace

std::vector<PosteingangZeile> posteingangZeilen(const Spielstand& s) {
    std::vector<PosteingangZeile> zeilen;
    for (const Auftrag& a : s.auftraege) {
        if (a.belegt == 1 && a.restminuten == 0 && (a.sonderauftrag == 0 || a.sonderauftrag == 1))
            zeilen.push_back({auftragsText(a), false});
    }
    for (PosteingangZeile& z : zeilen) {
        const auto n = nummerAusAuftragszeile(z.text);
        if (!n) continue;
        zeilenMitNummer(s.auftraege, *n, [&](const Auftrag& a) {
            if (a.angenommen == 1) z.haken = true;
        });
    }
    return zeilen;
}

std::vector<PosteingangZeile> posteingangAufbauen(Spiel& spiel) {
    auto halt = spiel.uhr().aussetzen();
    return posteingangZeilen(spiel.stand());
}

void posteingangHaken(Spiel& spiel, std::vector<PosteingangZeile>& zeilen, int k) {
    auto halt = spiel.uhr().aussetzen();
    Spielstand& stand = spiel.stand();
    if (k < 0 || k >= static_cast<int>(zeilen.size())) return;
    // Acceptance is final: a removed tick comes back at once and counts nothing.
    if (zeilen[k].haken)
        stand.angenommeneauftraege = plusUmlauf(stand.angenommeneauftraege, 1);
    else
        zeilen[k].haken = true;

    for (const PosteingangZeile& z : zeilen) {
        const auto n = nummerAusAuftragszeile(z.text);
        if (!n) continue;
        zeilenMitNummer(stand.auftraege, *n, [&](Auftrag& a) { a.angenommen = z.haken ? 1 : 0; });
    }
}

}  // namespace kabrolux
