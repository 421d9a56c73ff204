// libFuzzer target for reading keys back out of list lines.
#include <cstddef>
#include <cstdint>

#include "eingabepruefung.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t n) {
    kabrolux::fuzz::pruefeSchluessel(daten, n);
    return 0;
}
