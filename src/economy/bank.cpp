#include "economy/bank.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "sim/spiel.h"
#include "state/zahlen.h"

namespace kabrolux {

const std::array<Kreditstufe, kKreditstufen> kreditstufen{{
    {"10.000 €", 10000},
    {"20.000 €", 20000},
    {"40.000 €", 40000},
    {"80.000 €", 80000},
    {"100.000 €", 100000},
    {"150.000 €", 150000},
    {"200.000 €", 200000},
    {"300.000 €", 300000},
}};

const std::array<const char*, kAktien> aktiennamen{
    "Post", "Telekom", "Kabrolux", "Volkswagen", "BASF", "Pro 7",
};

namespace {

constexpr int64_t kIntMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kIntMax = std::numeric_limits<int32_t>::max();

int32_t saettigen(int64_t x) {
    return static_cast<int32_t>(std::clamp(x, kIntMin, kIntMax));
}

// Reads the quantity for a trade of share k, before anything else; nullopt when nothing is to
// happen: a text that is no whole number (its message has then been shown), no share chosen,
// or 0 or less.
std::optional<int32_t> mengeLesen(Spiel& spiel, int k, std::string_view menge) {
    const IntLesen l = liesInt(menge);
    if (!l.wert) {
        spiel.anzeige().meldung(Meldung::laufzeit(l.fehler));
        return std::nullopt;
    }
    if (!Tabelle<Aktie, kAktien>::gueltig(k) || *l.wert <= 0) return std::nullopt;
    return l.wert;
}

// Whether money covers a cost, exactly: a double compares with an int64 only after rounding
// one of them, so compare the cost with the whole euros held.
bool bezahlbar(int64_t kosten, double geld) {
    constexpr double grenze = 9.2e18;
    if (geld >= grenze) return true;
    if (!(geld > -grenze)) return false;  // NaN too
    return kosten <= static_cast<int64_t>(std::floor(geld));
}

void handelMelden(Spiel& spiel, int k) {
    spiel.bank().depot[k - 1] = {spiel.stand().aktien[k].stueck, true};
    spiel.geldMelden();
    spiel.anzeige().kurseGeaendert();
}

}  // namespace

int32_t kreditlimitVon(const Spielstand& s) {
    int64_t taxen = 0;
    for (const Taxi& t : s.taxen)
        taxen += t.preis;
    // Beyond 2^40 euros the limit is saturated whatever the rest adds, and the sum stays far
    // from the int64 range.
    constexpr int64_t grenze = int64_t{1} << 40;
    const int64_t geld = std::clamp(Round64(s.vermoegen), -grenze, grenze);
    return saettigen(2 * (taxen + geld - s.schulden));
}

Bankzahlen bankZeichnen(Spiel& spiel) {
    const Spielstand& s = spiel.stand();
    const int32_t limit = kreditlimitVon(s);
    spiel.lauf().kreditlimit = limit;
    return {s.vermoegen, s.schulden, limit};
}

bool kreditAufnehmen(Spiel& spiel, int32_t betrag) {
    Spielstand& s = spiel.stand();
    if (static_cast<int64_t>(s.schulden) + betrag > spiel.lauf().kreditlimit) {
        spiel.anzeige().meldung(Meldung::von(Meldungsart::kreditlimitErreicht));
        return false;
    }
    s.schulden += betrag;
    s.vermoegen += betrag;
    spiel.geldMelden();
    return true;
}

bool kreditTilgen(Spiel& spiel, int32_t betrag) {
    Spielstand& s = spiel.stand();
    if (!(s.vermoegen >= betrag && s.schulden >= betrag)) return false;
    s.vermoegen -= betrag;
    s.schulden -= betrag;
    spiel.geldMelden();
    return true;
}

bool aktienKaufen(Spiel& spiel, int k, std::string_view menge) {
    const std::optional<int32_t> q = mengeLesen(spiel, k, menge);
    if (!q) return false;
    Spielstand& s = spiel.stand();
    Aktie& a = s.aktien[k];
    const int64_t kosten = static_cast<int64_t>(*q) * a.kurs;
    if (!bezahlbar(kosten, s.vermoegen) || int64_t{a.stueck} + *q > kIntMax) return false;
    s.vermoegen -= static_cast<double>(kosten);
    a.stueck += *q;
    handelMelden(spiel, k);
    return true;
}

bool aktienVerkaufen(Spiel& spiel, int k, std::string_view menge) {
    const std::optional<int32_t> q = mengeLesen(spiel, k, menge);
    if (!q || spiel.stand().aktien[k].stueck < *q) return false;
    Aktie& a = spiel.stand().aktien[k];
    spiel.stand().vermoegen += static_cast<double>(int64_t{*q} * a.kurs);
    a.stueck -= *q;
    handelMelden(spiel, k);
    return true;
}

}  // namespace kabrolux
