#include "state/auftraege.h"

#include <charconv>

#include "state/zahlen.h"

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

namespace {

void nummernTextAnhaengen(std::string& ziel, int32_t nummer) {
    char p[16];
    const auto [ende, fehler] = std::to_chars(p, p + sizeof p, nummer);
    (void)fehler;
    for (auto n = ende - p; n < 6; ++n)
        ziel.push_back('0');
    ziel.append(p, ende);
}

}  // namespace

std::string nummernText(int32_t nummer) {
    std::string s;
    nummernTextAnhaengen(s, nummer);
    return s;
}

void auftragsTextAnhaengen(std::string& z, const Auftrag& a) {
    const Zerlegt t = zerlege(a.abholzeit.alsZeit());
    z.append("Auftrag ");
    nummernTextAnhaengen(z, a.nummer);
    if (a.sonderauftrag == Auftrag::kRegulaer) {
        z.append(": Holen Sie am ");
        datumAnhaengen(z, t);
        z.append(" um ");
        zeitAnhaengen(z, t);
        z.append(" Uhr am ").append(a.abholort).append(" ").append(a.kunde).append(" ab.");
    } else {
        z.append(": Illegal: Holen Sie etwas am ");
        datumAnhaengen(z, t);
        z.append(" um ");
        zeitAnhaengen(z, t);
        z.append(" Uhr am Treffpunkt ");
        ziffernAnhaengen(z, a.unfallwurf);
        z.append(" ab. Gewinn: ");
        ziffernAnhaengen(z, a.einnahmen);
        z.append(" €.");
    }
}

std::string auftragsText(const Auftrag& a) {
    std::string z;
    z.reserve(96 + a.abholort.size() + a.kunde.size());
    auftragsTextAnhaengen(z, a);
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
