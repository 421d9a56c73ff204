#include "eingabepruefung.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "desk/posteingang.h"
#include "economy/preise.h"
#include "sim/spiel.h"
#include "state/auftraege.h"
#include "state/zahlen.h"
#include "stilleanzeige.h"

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
    // Pairs of bytes: the first ones describe rows 1, 2, ... (a small order number, and whether
    // the row is live, cleared or never used), the rest the inbox lines (the number they carry
    // and their tick). Small numbers, so rows and lines share them.
    const std::string_view eingabe(reinterpret_cast<const char*>(daten), n);
    const std::size_t paare = n / 2, zeilen = paare / 2;
    test::FesteZeit zeit;
    test::StilleAnzeige anzeige;
    Spiel spiel(zeit, anzeige);
    Spielstand& s = spiel.stand();
    for (std::size_t i = 0; i < zeilen && i < static_cast<std::size_t>(kAuftragsZeilen); ++i) {
        Auftrag& a = s.auftraege[static_cast<int>(i) + 1];
        a.nummer = daten[2 * i] % 8 - 1;
        a.belegt = daten[2 * i + 1] % 3 == 0 ? 1 : 0;
        if (daten[2 * i + 1] % 3 == 1) a.abschluss = Auftrag::kGeraeumt;
        a.angenommen = daten[2 * i + 1] / 3 % 2;
    }
    std::vector<PosteingangZeile> liste;
    for (std::size_t i = zeilen; i < paare; ++i)
        liste.push_back({daten[2 * i] % 8 - 1, 0, daten[2 * i + 1] % 2 == 1});
    const Spielstand vorher = s;
    const int k = liste.empty() ? -1 : daten[n - 1] % static_cast<int>(liste.size());
    std::vector<PosteingangZeile> nachher = liste;
    posteingangHaken(spiel, nachher, k);

    // A tick taken away comes back; only that line's mark may change.
    for (std::size_t i = 0; i < liste.size(); ++i)
        pruefe(nachher[i].haken == (liste[i].haken || static_cast<int>(i) == k),
               "only the toggled line is ticked anew", eingabe);
    const bool gezaehlt = k >= 0 && liste[static_cast<std::size_t>(k)].haken;
    pruefe(s.angenommeneauftraege == vorher.angenommeneauftraege + (gezaehlt ? 1 : 0),
           "a tick counts once", eingabe);
    // Each live row of the used region takes the mark of the last line with its number; every
    // other row stays as it was.
    bool benutzt = true;
    for (int r = 1; r <= kAuftragsZeilen; ++r) {
        const Auftrag& a = s.auftraege[r];
        int32_t erwartet = vorher.auftraege[r].angenommen;
        if (benutzt && a.belegt == 1)
            for (const PosteingangZeile& z : nachher)
                if (z.nummer == a.nummer) erwartet = z.haken ? 1 : 0;
        pruefe(a.angenommen == erwartet, "a line reaches the live rows with its number", eingabe);
        if (nieBenutzt(a)) benutzt = false;
    }
}

}  // namespace kabrolux::fuzz
