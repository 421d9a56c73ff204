#pragma once
// Rules of the order table: finding, scanning, clearing, and the order number's text.

#include <cstdint>
#include <string>

#include "state/spielstand.h"

namespace kabrolux {

// A row that has never held an order since the new game ends the used region. New orders take
// the lowest free row (freierPlatz), so cleared rows are reused before never-used ones.
inline bool nieBenutzt(const Auftrag& a) {
    return a.belegt == 0 && a.abschluss == Auftrag::kOffen;
}

// Visits rows 1, 2, ... (or from row `ab` on) and stops after the first never-used row (which is
// visited too); never past row 999. Returns the last row visited.
template <class Tabelle, class F>
int durchlaufeBenutzte(Tabelle& t, F&& f, int ab = 1) {
    int r = ab;
    for (auto* it = &t[ab];; ++it, ++r) {  // the start is checked, the rest stays in the table
        f(r, *it);
        if (nieBenutzt(*it) || r == kAuftragsZeilen) break;
    }
    return r;
}

// Clearing a served or expired order: zeros and empty texts, kennziffer and abschluss as a
// cleared row holds them.
void raeumeZeile(Auftrag& a);
// Emptying for a new game: every field 0 or empty, kennziffer and abschluss included (0, not
// the codes of a cleared row).
void leereTabelle(Auftragstabelle& t);

// Six-character order number: 7 -> "000007"; six or more digits unchanged.
std::string nummernText(int32_t nummer);
void nummernTextAnhaengen(std::string& ziel, int32_t nummer);

}  // namespace kabrolux
