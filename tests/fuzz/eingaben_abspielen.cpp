// Replays an input property over a corpus folder on every build:
//   kabrolux_eingaben_abspielen zahlen|schluessel <folder>...
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "eingabepruefung.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const bool zahlen = std::strcmp(argv[1], "zahlen") == 0;
    int anzahl = 0;
    for (int i = 2; i < argc; ++i)
        for (const auto& e : fs::directory_iterator(argv[i])) {
            if (!e.is_regular_file()) continue;
            std::ifstream ein(e.path(), std::ios::binary);
            const std::vector<uint8_t> b(std::istreambuf_iterator<char>(ein), {});
            if (zahlen)
                kabrolux::fuzz::pruefeZahlen(b.data(), b.size());
            else
                kabrolux::fuzz::pruefeSchluessel(b.data(), b.size());
            ++anzahl;
        }
    std::printf("%d inputs held\n", anzahl);
    return anzahl > 0 ? 0 : 1;
}
