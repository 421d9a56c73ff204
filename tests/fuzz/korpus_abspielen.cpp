// Replays a fuzz property over corpus folders, so every build checks the seeds and whatever the
// fuzzer once found:
//   kabrolux_korpus_abspielen laden|zahlen|schluessel <folder>...
// For the loader, files named gut-* must load and kaputt-* must be refused.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "eingabepruefung.h"
#include "ladepruefung.h"

namespace fs = std::filesystem;
using namespace kabrolux::fuzz;

int main(int argc, char** argv) {
    const std::string art = argc > 1 ? argv[1] : "";
    if (argc < 3 || (art != "laden" && art != "zahlen" && art != "schluessel")) return 2;
    std::vector<fs::path> alle;
    for (int i = 2; i < argc; ++i)
        for (const auto& e : fs::directory_iterator(argv[i]))
            if (e.is_regular_file()) alle.push_back(e.path());
    std::sort(alle.begin(), alle.end());
    int angenommen = 0, falsch = 0;
    for (const fs::path& p : alle) {
        std::ifstream ein(p, std::ios::binary);
        const std::vector<uint8_t> b(std::istreambuf_iterator<char>(ein), {});
        if (art != "laden") {
            (art == "zahlen" ? pruefeZahlen : pruefeSchluessel)(b.data(), b.size());
            continue;
        }
        const bool gut = pruefeLaden(b.data(), b.size());
        angenommen += gut;
        const std::string name = p.filename().string();
        if ((name.rfind("gut-", 0) == 0 && !gut) || (name.rfind("kaputt-", 0) == 0 && gut)) {
            std::printf("%s: %s\n", name.c_str(), gut ? "angenommen" : "abgelehnt");
            ++falsch;
        }
    }
    if (art == "laden")
        std::printf("%zu Dateien, %d angenommen, %d gegen ihren Namen\n", alle.size(), angenommen,
                    falsch);
    else
        std::printf("%zu inputs held\n", alle.size());
    return alle.empty() || falsch != 0 ? 1 : 0;
}
