#include "state/auftraege.h"

#include <charconv>

namespace kabrolux {

int freieZeile(const Auftragstabelle& t) {
    for (int r = 1; r <= kAuftragsZeilen; ++r)
        if (t[r].belegt == 0) return r;
    return 0;
}

void raeumeZeile(Auftrag& a) {
    a = Auftrag{};
    a.kennziffer = 4;
    a.abschluss = 2;
}

void leereTabelle(Auftragstabelle& t) {
    for (Auftrag& a : t)
        a = Auftrag{};
}

std::string nummernText(int32_t nummer) {
    std::string s = std::to_string(nummer);
    if (s.size() < 6) s.insert(0, 6 - s.size(), '0');
    return s;
}

std::string auftragsText(const Auftrag& a) {
    const DatumZeit t = a.abholzeit.alsZeit();
    std::string z = "Auftrag " + nummernText(a.nummer);
    if (a.sonderauftrag == 0) {
        z += ": Holen Sie am " + datumText(t) + " um " + zeitText(t) + " Uhr am " + a.abholort +
             " " + a.kunde + " ab.";
    } else {
        z += ": Illegal: Holen Sie etwas am " + datumText(t) + " um " + zeitText(t) +
             " Uhr am Treffpunkt " + std::to_string(a.unfallwurf) +
             " ab. Gewinn: " + std::to_string(a.einnahmen) + " €.";
    }
    return z;
}

namespace {

std::optional<int32_t> zahlVor(std::string_view s, std::size_t anfang, std::string_view ende) {
    const std::size_t e = s.find(ende, anfang);
    if (e == std::string_view::npos || e == anfang) return std::nullopt;
    int32_t n = 0;
    auto [p, ec] = std::from_chars(s.data() + anfang, s.data() + e, n);
    if (ec != std::errc() || p != s.data() + e) return std::nullopt;
    return n;
}

}  // namespace

std::optional<int32_t> nummerAusAuftragszeile(std::string_view zeile) {
    constexpr std::string_view kopf = "Auftrag ";
    if (zeile.substr(0, kopf.size()) != kopf) return std::nullopt;
    return zahlVor(zeile, kopf.size(), ":");
}

std::optional<int32_t> nummerAusListenzeile(std::string_view zeile) {
    return zahlVor(zeile, 0, ": ");
}

}  // namespace kabrolux
