#include "economy/werbung.h"

#include <algorithm>

#include "sim/spiel.h"

namespace kabrolux {

const std::array<Werbeart, kWerbearten> werbearten{{
    {500, 10},
    {1000, 25},
    {2000, 55},
    {4000, 120},
    {8000, 260},
}};

bool werbungKaufen(Spiel& spiel, int art) {
    if (art < 1 || art > kWerbearten) return false;
    const Werbeart& w = werbearten[art - 1];
    Spielstand& s = spiel.stand();
    if (!(s.vermoegen >= w.kosten)) return false;
    s.vermoegen -= w.kosten;
    spiel.geldMelden();
    // 64 bits: a popularity read from a damaged file must not overflow the sum.
    const int64_t neu = static_cast<int64_t>(s.bekanntheit) + w.punkte;
    s.bekanntheit = static_cast<int32_t>(std::min<int64_t>(neu, kBekanntheitMax));
    spiel.anzeige().balkenGeaendert(Balken::bekanntheit, s.bekanntheit);
    return true;
}

}  // namespace kabrolux
