#pragma once
// The bank: credit limit, loans and repayment in fixed steps, and trading the six shares.

#include <array>
#include <cstdint>
#include <string_view>

#include "state/spielstand.h"

namespace kabrolux {

class Spiel;

// The eight loan and repayment steps, the same for both lists.
constexpr int kKreditstufen = 8;
struct Kreditstufe {
    const char* text;
    int32_t betrag;
};
extern const std::array<Kreditstufe, kKreditstufen> kreditstufen;

// The names of the six companies, in the order of the price table and the share list.
extern const std::array<const char*, kAktien> aktiennamen;

// 2 x (sum of the taxis' purchase prices + money to the nearest euro - debt), worked out in
// 64 bits and saturated to the int32 range.
int32_t kreditlimitVon(const Spielstand& s);

// The bank screen's three figures as it draws them.
struct Bankzahlen {
    double vermoegen = 0;
    int32_t schulden = 0;
    int32_t kreditlimit = 0;
    bool operator==(const Bankzahlen&) const = default;
};
// Drawing the bank screen: recomputes kreditlimit, which the next loan uses.
Bankzahlen bankZeichnen(Spiel& spiel);

// Takes a loan of betrag against the limit of the last drawing. A loan that would take the
// debt beyond the limit shows the credit-limit message and changes nothing.
bool kreditAufnehmen(Spiel& spiel, int32_t betrag);
// Repays betrag when both the money and the debt reach it; silent otherwise.
bool kreditTilgen(Spiel& spiel, int32_t betrag);

// Trading share k (1..6, 0 = none chosen) with the quantity typed as text, read first: a
// quantity that is no whole number shows its conversion message, chosen share or not. No share:
// nothing happens, nothing is shown.
// Quantities of 0 or less, too little money, too few shares held, or a holding that would
// leave the int32 range: silent. After a trade the holding shows as traded ("Stck.").
bool aktienKaufen(Spiel& spiel, int k, std::string_view menge);
bool aktienVerkaufen(Spiel& spiel, int k, std::string_view menge);

}  // namespace kabrolux
