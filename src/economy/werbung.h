#pragma once
// Advertising: one campaign at a time buys popularity points.

#include <array>
#include <cstdint>

namespace kabrolux {

class Spiel;

struct Werbeart {
    int32_t kosten;  // euros
    int32_t punkte;  // popularity points
};

constexpr int kWerbearten = 5;
constexpr int32_t kBekanntheitMax = 300;

// In the order of the screen's radio buttons: posters, leaflets, cinema, radio, television.
extern const std::array<Werbeart, kWerbearten> werbearten;

// Buys campaign art (1..5) if the money covers it: money down, popularity up to at most 300,
// money label and popularity bar told. False (and nothing changes) when the money is short or
// art is no campaign.
bool werbungKaufen(Spiel& spiel, int art);

}  // namespace kabrolux
