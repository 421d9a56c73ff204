#pragma once
// What reading a typed number and reading a list line's key must hold to for any bytes at all;
// shared by the fuzz targets and the corpus replay. Each aborts on a violation.

#include <cstddef>
#include <cstdint>

namespace kabrolux::fuzz {

// The German number parsing of the edit fields and the prices screen's repairs.
void pruefeZahlen(const std::uint8_t* daten, std::size_t n);

// The inbox's tick marks written back by the numbers its lines carry.
void pruefeSchluessel(const std::uint8_t* daten, std::size_t n);

}  // namespace kabrolux::fuzz
