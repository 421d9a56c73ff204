#include "vollesspiel.h"

#include "bausteine.h"

namespace kabrolux::test {

void tabelleFuellen(Spielstand& s) {
    constexpr int32_t kEwig = 1'000'000'000;
    for (int r = 1; r <= kAuftragsZeilen; ++r) {
        Auftrag& a = (r % 7 == 0 ? neuerSonderauftrag : neuerAuftrag)(s, r, r, 100 * 1440);
        a.angenommen = r % 2;
        if (r <= kSlots) a.taxinr = aufFahrt(a, kEwig).nummer;
    }
    for (int k = 1; k <= kSlots; ++k) {
        aufFahrt(gekauftesTaxi(s, k, 1 + k % 4), kEwig);
        aufFahrt(eingestellterFahrer(s, k, k), kEwig);
    }
}

}  // namespace kabrolux::test
