#pragma once
// Windows-1252, the character set of the save file's texts. The game keeps its texts in UTF-8.

#include <iconv.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace kabrolux {

// Windows-1252 leaves these five bytes without a character.
constexpr bool belegtInWindows1252(std::uint8_t b) {
    return b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D;
}

// One iconv conversion between UTF-8 and Windows-1252, opened once and reused for all texts of
// a file. Throws std::system_error if the system has no such conversion.
class Zeichenwandler {
  public:
    enum class Richtung { nachWindows1252, ausWindows1252 };

    explicit Zeichenwandler(Richtung r);
    ~Zeichenwandler();
    Zeichenwandler(const Zeichenwandler&) = delete;
    Zeichenwandler& operator=(const Zeichenwandler&) = delete;

    // A character the target set lacks, or a broken input sequence, becomes one '?'; the rest
    // of the text is converted as usual.
    std::string wandle(std::string_view text);

  private:
    std::size_t ungueltigeLaenge(std::string_view rest) const;

    Richtung richtung_;
    iconv_t cd_;
};

}  // namespace kabrolux
