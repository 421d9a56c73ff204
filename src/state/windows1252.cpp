#include "state/windows1252.h"

#include <cerrno>
#include <system_error>

namespace kabrolux {

namespace {

const iconv_t kKeinWandler = reinterpret_cast<iconv_t>(-1);

bool folgebyte(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

}  // namespace

Zeichenwandler::Zeichenwandler(Richtung r) : richtung_(r) {
    cd_ = r == Richtung::nachWindows1252 ? iconv_open("WINDOWS-1252", "UTF-8")
                                         : iconv_open("UTF-8", "WINDOWS-1252");
    if (cd_ == kKeinWandler) throw std::system_error(errno, std::generic_category(), "iconv_open");
}

Zeichenwandler::~Zeichenwandler() {
    iconv_close(cd_);
}

// How many input bytes the '?' stands for: a whole well-formed UTF-8 sequence of a character
// Windows-1252 lacks, otherwise the one offending byte.
std::size_t Zeichenwandler::ungueltigeLaenge(std::string_view rest) const {
    if (richtung_ == Richtung::ausWindows1252 || rest.empty()) return 1;
    const auto c = static_cast<unsigned char>(rest[0]);
    const std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    if (n > rest.size()) return 1;
    for (std::size_t i = 1; i < n; ++i)
        if (!folgebyte(static_cast<unsigned char>(rest[i]))) return 1;
    return n;
}

std::string Zeichenwandler::wandle(std::string_view text) {
    // Windows-1252 needs at most one byte per UTF-8 byte, UTF-8 at most three per byte.
    std::string aus(text.size() * 3, '\0');
    char* ein = const_cast<char*>(text.data());  // iconv's signature wants it non-const
    std::size_t einRest = text.size();
    char* ziel = aus.data();
    std::size_t zielRest = aus.size();
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    while (einRest > 0) {
        if (iconv(cd_, &ein, &einRest, &ziel, &zielRest) != static_cast<std::size_t>(-1)) break;
        if (errno != EILSEQ && errno != EINVAL)
            throw std::system_error(errno, std::generic_category(), "iconv");
        const std::size_t n = ungueltigeLaenge({ein, einRest});
        *ziel++ = '?';  // the bound above leaves room: the '?' replaces at least one byte
        --zielRest;
        ein += n;
        einRest -= n;
    }
    aus.resize(static_cast<std::size_t>(ziel - aus.data()));
    return aus;
}

}  // namespace kabrolux
