#include "sim/zufall.h"

#include <chrono>
#include <ctime>

namespace kabrolux {

uint32_t Systemzeit::utcMillisekundenDesTages() {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    return static_cast<uint32_t>(ms % 86'400'000);
}

DatumZeit Systemzeit::lokaleZeit() {
    using namespace std::chrono;
    const auto jetzt = system_clock::now();
    const std::time_t t = system_clock::to_time_t(jetzt);
    std::tm lokal{};
    localtime_r(&t, &lokal);
    const auto ms = duration_cast<milliseconds>(jetzt.time_since_epoch()).count() % 1000;
    return datumZeit(lokal.tm_year + 1900, lokal.tm_mon + 1, lokal.tm_mday, lokal.tm_hour,
                     lokal.tm_min, lokal.tm_sec, static_cast<int>(ms));
}

}  // namespace kabrolux
