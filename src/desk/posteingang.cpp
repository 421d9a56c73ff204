#include "desk/posteingang.h"

#include <algorithm>

#include "sim/spiel.h"
#include "state/auftraege.h"
#include "state/zahlen.h"

namespace kabrolux {

namespace {

// The live rows of the used region by order number. A line's tick mark is matched to the rows
// that carry its number; looking the number up here gives the same rows as scanning the used
// region for every line, in n log n instead of n squared. Cleared and never-used rows all
// carry number 0; a line must never reach them.
class Nummernverzeichnis {
  public:
    explicit Nummernverzeichnis(const Auftragstabelle& t) {
        eintraege_.reserve(kAuftragsZeilen);
        durchlaufeBenutzte(t, [&](int r, const Auftrag& a) {
            if (a.belegt == 1) eintraege_.push_back({a.nummer, r});
        });
        std::sort(eintraege_.begin(), eintraege_.end());
    }
    // Calls f(row) for each live row with number n.
    template <class F>
    void fuerNummer(int32_t n, F&& f) const {
        auto it = std::lower_bound(eintraege_.begin(), eintraege_.end(), Eintrag{n, 0});
        for (; it != eintraege_.end() && it->nummer == n; ++it)
            f(it->zeile);
    }

  private:
    struct Eintrag {
        int32_t nummer;
        int zeile;
        auto operator<=>(const Eintrag&) const = default;
    };
    std::vector<Eintrag> eintraege_;
};

}  // namespace

std::vector<PosteingangZeile> posteingangZeilen(const Spielstand& s) {
    std::vector<PosteingangZeile> zeilen;
    zeilen.reserve(kAuftragsZeilen);
    int platz = 0;
    for (const Auftrag& a : s.auftraege) {
        ++platz;
        if (a.belegt == 1 && a.restminuten == 0 && a.listbareArt())
            zeilen.push_back({a.nummer, platz, false});
    }
    const Nummernverzeichnis verzeichnis(s.auftraege);
    for (PosteingangZeile& z : zeilen) {
        verzeichnis.fuerNummer(z.nummer, [&](int r) {
            if (s.auftraege[r].angenommen == 1) z.haken = true;
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

    const Nummernverzeichnis verzeichnis(stand.auftraege);
    for (const PosteingangZeile& z : zeilen)
        verzeichnis.fuerNummer(z.nummer,
                               [&](int r) { stand.auftraege[r].angenommen = z.haken ? 1 : 0; });
}

}  // namespace kabrolux
