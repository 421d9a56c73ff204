#pragma once
// Whole-number rules and German number texts shared by every screen and the clock.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kabrolux {

// Nearest whole number, halves to the even neighbour; saturates at the int32 range
// (NaN gives 0) so a huge typed price can never make the conversion undefined.
int32_t Round(double x);
// Round for texts of amounts that may leave the int32 range; saturates at int64.
int64_t Round64(double x);
// Cuts toward zero; saturates like Round.
int32_t Trunc(double x);

// int32 sums that may overflow (counters fed by player data) wrap like the hardware does.
int32_t plusUmlauf(int32_t a, int32_t b);

// General float text: shortest form with up to 15 significant digits, decimal comma,
// no thousands separator, no trailing zeros; scientific form for very large or small values.
std::string zahlText(double x);
// Plain decimal integer.
std::string zahlText(int32_t x);
std::string zahlText(int64_t x);
// Two digits at least: 7 -> "07", 12 -> "12", 123 -> "123".
std::string zweistellig(int32_t x);
// Appends at least `stellen` digits with leading zeros; a minus sign in front of negative
// values. For texts built often, without a string of its own per number.
void ziffernAnhaengen(std::string& ziel, int32_t wert, int stellen = 1);

// Reading edit-field texts. The result holds either the number or the player-visible error.
struct FloatLesen {
    std::optional<double> wert;
    std::string fehler;
};
struct IntLesen {
    std::optional<int32_t> wert;
    std::string fehler;
};
FloatLesen liesFloat(std::string_view text);
IntLesen liesInt(std::string_view text);

}  // namespace kabrolux
