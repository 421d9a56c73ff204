// libFuzzer target for the save-file loader.
#include <cstddef>
#include <cstdint>

#include "ladepruefung.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t n) {
    kabrolux::fuzz::pruefeLaden(daten, n);
    return 0;
}
