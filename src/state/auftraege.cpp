#include "state/auftraege.h"

#include <charconv>

namespace kabrolux {

void raeumeZeile(Auftrag& a) {
    a = Auftrag{};
    a.kennziffer = Auftrag::kKennzifferGeraeumt;
    a.abschluss = Auftrag::kGeraeumt;
}

void leereTabelle(Auftragstabelle& t) {
    for (Auftrag& a : t)
        a = Auftrag{};
}

void nummernTextAnhaengen(std::string& ziel, int32_t nummer) {
    char p[16];
    const auto [ende, fehler] = std::to_chars(p, p + sizeof p, nummer);
    (void)fehler;
    for (auto n = ende - p; n < 6; ++n)
        ziel.push_back('0');
    ziel.append(p, ende);
}

std::string nummernText(int32_t nummer) {
    std::string s;
    nummernTextAnhaengen(s, nummer);
    return s;
}

}  // namespace kabrolux
