#pragma once
// What the save-file loader must hold to for any bytes at all; shared by the fuzz target and
// the corpus replay.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kabrolux::fuzz {

// Loads the bytes into a valid game state. A refused image must leave that state untouched and
// say why; an accepted one must save back to the same bytes, apart from bytes of no meaning,
// and load again to the same state. Aborts on any violation; returns whether it was accepted.
bool pruefeLaden(const std::uint8_t* daten, std::size_t n);

// Zeros the bytes of no meaning in a valid image: the reserved bytes of value records, the four
// bytes after an integer, and what follows a text.
void ohneBedeutung(std::vector<std::uint8_t>& bild);

}  // namespace kabrolux::fuzz
