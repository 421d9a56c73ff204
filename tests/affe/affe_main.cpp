// The monkey from the command line: kabrolux_affe [actions per seed] [first seed] [seeds].
// KABROLUX_AFFE_AKTIONEN overrides the number of actions, for long runs.
#include <unistd.h>
#include <cstdio>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "affe.h"

int main(int argc, char** argv) {
    long aktionen = argc > 1 ? std::atol(argv[1]) : 25000;
    if (const char* e = std::getenv("KABROLUX_AFFE_AKTIONEN")) aktionen = std::atol(e);
    const uint64_t erste = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    const uint64_t saaten = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 8;
    const auto ordner =
        std::filesystem::temp_directory_path() / ("kabrolux-affe-" + std::to_string(::getpid()));
    std::filesystem::create_directories(ordner);
    int fehler = 0;
    long gesendet = 0, erledigt = 0;
    for (uint64_t s = erste; s < erste + saaten; ++s) {
        const auto b = kabrolux::test::affeSpielen(s, aktionen, ordner.string());
        gesendet += b.gesendet;
        erledigt += b.erledigt;
        if (!b.fehler.empty()) {
            std::fprintf(stderr, "%s\n", b.fehler.c_str());
            ++fehler;
        }
    }
    std::filesystem::remove_all(ordner);
    std::printf("%llu seeds x %ld actions, %ld trips sent, %ld orders settled: %d failed\n",
                static_cast<unsigned long long>(saaten), aktionen, gesendet, erledigt, fehler);
    return fehler == 0 ? 0 : 1;
}
