#pragma once
// Game states for the save-file tests, the fuzz corpus and the benchmarks.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "state/spielstand.h"

namespace kabrolux::test {

// Right after "Spiel starten" with the default settings (50000 €, prices "3" and "1,2").
Spielstand startStand();
// The same with other money, to tell states apart.
Spielstand startStand(double vermoegen);

// A game in full swing, with values as the game's own rules write them: taxis of every model,
// hired and dismissed drivers, shares in the depot, and orders in every state the table knows
// (new, accepted, on the way, trip over, cleared; regular and special; umlauts and quotes in
// the names).
Spielstand mittleresSpiel();

// Bytes of a save image, addressed as the file layout gives them (kept apart from the
// program's own offsets so that the tests check those).
using Bild = std::vector<std::uint8_t>;

inline std::uint64_t leBytes(const Bild& b, std::size_t pos, int n) {
    std::uint64_t v = 0;
    for (int i = 0; i < n; ++i)
        v |= static_cast<std::uint64_t>(b.at(pos + i)) << (8 * i);
    return v;
}
inline void setzeBytes(Bild& b, std::size_t pos, std::uint64_t v, int n) {
    for (int i = 0; i < n; ++i)
        b.at(pos + i) = static_cast<std::uint8_t>(v >> (8 * i));
}
inline std::int32_t int32An(const Bild& b, std::size_t pos) {
    return static_cast<std::int32_t>(leBytes(b, pos, 4));
}
inline void setzeInt32(Bild& b, std::size_t pos, std::int32_t v) {
    setzeBytes(b, pos, static_cast<std::uint32_t>(v), 4);
}
inline double doubleAn(const Bild& b, std::size_t pos) {
    return std::bit_cast<double>(leBytes(b, pos, 8));
}
inline void setzeDouble(Bild& b, std::size_t pos, double v) {
    setzeBytes(b, pos, std::bit_cast<std::uint64_t>(v), 8);
}

// Start of the record of order field f (1..18) in row r (1..999).
inline std::size_t auftragsfeld(int r, int f) {
    const std::size_t zeile = 204 + 380 * static_cast<std::size_t>(r - 1);
    if (f <= 2) return zeile + 20 * static_cast<std::size_t>(f - 1);
    if (f == 3) return zeile + 40;
    if (f == 4) return zeile + 70;
    return zeile + 100 + 20 * static_cast<std::size_t>(f - 5);
}
// Value inside a value record.
inline std::size_t auftragswert(int r, int f) {
    return auftragsfeld(r, f) + 12;
}
inline std::size_t eingestelltFeld(int k) {
    return 84 + 4 * static_cast<std::size_t>(k - 1);
}
inline std::size_t aktienFeld(int a, int f) {
    return 132 + 12 * static_cast<std::size_t>(a - 1) + 4 * static_cast<std::size_t>(f - 1);
}
inline std::size_t fahrerFeld(int k, int f) {
    return 379824 + 28 * static_cast<std::size_t>(k - 1) + 4 * static_cast<std::size_t>(f - 1);
}
inline std::size_t taxiFeld(int k, int f) {
    return 380160 + 28 * static_cast<std::size_t>(k - 1) + 4 * static_cast<std::size_t>(f - 1);
}

}  // namespace kabrolux::test
