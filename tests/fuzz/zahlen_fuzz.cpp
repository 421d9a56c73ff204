// libFuzzer target for reading typed numbers and the prices screen's repairs.
#include <cstddef>
#include <cstdint>

#include "eingabepruefung.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t n) {
    kabrolux::fuzz::pruefeZahlen(daten, n);
    return 0;
}
