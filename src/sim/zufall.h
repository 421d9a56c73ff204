#pragma once
// The one program-wide random generator and the clocks of the computer it reads.

#include <cstdint>

#include "state/datum.h"

namespace kabrolux {

// The computer's clocks, injected so tests can replay a game exactly.
class Zeitquelle {
  public:
    virtual ~Zeitquelle() = default;
    // Milliseconds since midnight of the current UTC day (0 .. 86399999).
    virtual uint32_t utcMillisekundenDesTages() = 0;
    // Local date and time as a game date-time value.
    virtual DatumZeit lokaleZeit() = 0;
};

// Reads the real clocks.
class Systemzeit : public Zeitquelle {
  public:
    uint32_t utcMillisekundenDesTages() override;
    DatumZeit lokaleZeit() override;
};

// 32-bit linear congruential generator: seed := seed * 134775813 + 1 (mod 2^32),
// Random(n) := (seed * n) div 2^32.
class Zufall {
  public:
    uint32_t seed = 0;

    // A whole number 0 .. n-1. n <= 0 still advances the generator and yields 0, the result
    // Random(0) gives; a negative range must never reach the product as a huge unsigned value.
    int32_t Random(int32_t n) {
        seed = seed * 134775813u + 1u;
        if (n <= 0) return 0;
        return static_cast<int32_t>((static_cast<uint64_t>(seed) * static_cast<uint32_t>(n)) >> 32);
    }
    // Same for ranges computed in 64 bits from player data; clamped to the int32 range.
    int32_t Random64(int64_t n) {
        if (n > INT32_MAX) n = INT32_MAX;
        return Random(n <= 0 ? 0 : static_cast<int32_t>(n));
    }
    void neuSaeen(Zeitquelle& zeit) { seed = zeit.utcMillisekundenDesTages(); }
};

}  // namespace kabrolux
