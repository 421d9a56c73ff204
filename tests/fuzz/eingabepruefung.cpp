#include "eingabepruefung.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "economy/preise.h"
#include "state/auftraege.h"
#include "state/zahlen.h"

namespace kabrolux::fuzz {

namespace {

[[noreturn]] void verletzt(const char* was, std::string_view eingabe) {
    std::fprintf(stderr, "violated: %s for input '%.*s'\n", was, static_cast<int>(eingabe.size()),
                 eingabe.data());
    std::abort();
}

void pruefe(bool bedingung, const char* was, std::string_view eingabe) {
    if (!bedingung) verletzt(was, eingabe);
}

// A value written in the game's own format reads back as nearly the same value (15 digits).
void zurueckLesen(double w, std::string_view eingabe) {
    const FloatLesen z = liesFloat(zahlText(w));
    pruefe(z.wert.has_value(), "the general format reads back", eingabe);
    pruefe(std::fabs(*z.wert - w) <= 1e-14 * std::fabs(w), "the value survives its text", eingabe);
}

}  // namespace

void pruefeZahlen(const std::uint8_t* daten, std::size_t n) {
    const std::string text(reinterpret_cast<const char*>(daten), n);
    const FloatLesen f = liesFloat(text);
    if (f.wert) {
        pruefe(std::isfinite(*f.wert), "a number read is finite", text);
        pruefe(f.fehler.empty(), "no message with a number", text);
        pruefe(text.find('.') == std::string::npos, "the decimal point is no German number", text);
        zurueckLesen(*f.wert, text);
    } else {
        pruefe(f.fehler == "'" + text + "' is not a valid floating point value", "message", text);
    }
    const IntLesen i = liesInt(text);
    if (i.wert) {
        pruefe(liesInt(zahlText(*i.wert)).wert == i.wert, "an integer reads back", text);
        pruefe(f.wert.has_value() && *f.wert == *i.wert, "an integer is also a number", text);
    } else {
        pruefe(i.fehler == "'" + text + "' is not a valid integer value", "integer message", text);
    }
    // The prices screen's repairs: the base field keeps no point; the kilometre field leaves a
    // number as it is and swaps the separators of anything else, which a second swap undoes.
    pruefe(grundpreisVerlassen(text).find('.') == std::string::npos, "no point is left", text);
    const std::string km = kilometerpreisVerlassen(text);
    if (f.wert || text.empty()) {
        pruefe(km == text, "a number stays as typed", text);
    } else {
        pruefe(km.size() == text.size(), "the swap keeps the length", text);
        if (!liesFloat(km).wert)
            pruefe(kilometerpreisVerlassen(km) == text, "the swap is its own inverse", text);
    }
}

void pruefeSchluessel(const std::uint8_t* daten, std::size_t n) {
    const std::string_view zeile(reinterpret_cast<const char*>(daten), n);
    // Whatever the line, reading never fails badly, and a number found is the one written.
    if (const auto nr = nummerAusAuftragszeile(zeile))
        pruefe(zeile.substr(0, 8) == "Auftrag " && zeile.find(':') != std::string_view::npos,
               "an order number stands between \"Auftrag \" and \":\"", zeile);
    nummerAusListenzeile(zeile);

    // The lines the game builds always give their own numbers back.
    int32_t nummer = 0;
    if (n > 0) std::memcpy(&nummer, daten, n < sizeof nummer ? n : sizeof nummer);  // empty: null
    if (nummer < 0) nummer = -(nummer + 1);
    Auftrag a;
    a.belegt = 1;
    a.nummer = nummer;
    a.abholzeit = Abholzeit::zeit(46000.5);
    a.kunde = std::string(zeile.substr(0, 30));
    a.abholort = std::string(zeile.substr(n > 30 ? 30 : n, 30));
    a.sonderauftrag = n % 2;
    pruefe(nummerAusAuftragszeile(auftragsText(a)) == nummer, "an order line's number", zeile);
    pruefe(nummerAusListenzeile(zweistellig(nummer % 1000) + ": " + a.kunde) == nummer % 1000,
           "a taxi or driver line's number", zeile);
}

}  // namespace kabrolux::fuzz
