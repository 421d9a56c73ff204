// libFuzzer target for the inbox's tick marks written back by the numbers its lines carry.
#include <cstddef>
#include <cstdint>

#include "eingabepruefung.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t n) {
    kabrolux::fuzz::pruefeSchluessel(daten, n);
    return 0;
}
