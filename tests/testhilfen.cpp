#include <stdexcept>

#include "testanzeige.h"

namespace kabrolux::test {

uint32_t suchMs(const std::function<bool(Zufall&)>& passt) {
    for (uint32_t ms = 0; ms < 86'400'000; ++ms) {
        Zufall z;
        z.seed = ms;
        if (passt(z)) return ms;
    }
    throw std::runtime_error("no millisecond of the day gives these draws");
}

}  // namespace kabrolux::test
