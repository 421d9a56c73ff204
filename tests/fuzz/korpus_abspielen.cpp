// Replays the loader's property over a corpus, so every build checks the seeds and whatever
// the fuzzer once found. Files named gut-* must load and kaputt-* must be refused.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ladepruefung.h"

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> dateien(int argc, char** argv) {
    std::vector<fs::path> alle;
    for (int i = 1; i < argc; ++i) {
        if (fs::is_directory(argv[i])) {
            for (const auto& e : fs::directory_iterator(argv[i]))
                if (e.is_regular_file()) alle.push_back(e.path());
        } else {
            alle.emplace_back(argv[i]);
        }
    }
    std::sort(alle.begin(), alle.end());
    return alle;
}

}  // namespace

int main(int argc, char** argv) {
    int angenommen = 0, falsch = 0;
    const std::vector<fs::path> alle = dateien(argc, argv);
    for (const fs::path& p : alle) {
        std::ifstream ein(p, std::ios::binary);
        const std::vector<uint8_t> b(std::istreambuf_iterator<char>(ein), {});
        const bool gut = kabrolux::fuzz::pruefeLaden(b.data(), b.size());
        angenommen += gut;
        const std::string name = p.filename().string();
        if ((name.rfind("gut-", 0) == 0 && !gut) || (name.rfind("kaputt-", 0) == 0 && gut)) {
            std::printf("%s: %s\n", name.c_str(), gut ? "angenommen" : "abgelehnt");
            ++falsch;
        }
    }
    std::printf("%zu Dateien, %d angenommen, %d gegen ihren Namen\n", alle.size(), angenommen,
                falsch);
    return alle.empty() || falsch != 0 ? 1 : 0;
}
