#pragma once
// The save-game file: the saved game state as one flat little-endian image of fixed size, with
// no header, written and read in one fixed order.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "state/speicherpruefung.h"
#include "state/spielstand.h"

namespace kabrolux {

// Where things stand in the image; ...Ab is where a table starts.
namespace speicherformat {
constexpr std::size_t kGroesse = 380496;
constexpr std::size_t kEingestelltAb = 84;
constexpr std::size_t kAktienAb = 132;
constexpr std::size_t kAuftraegeAb = 204;
constexpr std::size_t kAuftrag = 380;
constexpr std::size_t kFahrerAb = 379824;
constexpr std::size_t kTaxenAb = 380160;
constexpr std::size_t kSlot = 28;
constexpr std::size_t kWertsatz = 20;
constexpr std::size_t kTextsatz = 30;
// Longest text a text record holds; longer texts are cut when saving.
constexpr std::size_t kTextMax = 29;
// Offset of order field f (1..18) inside its order record.
constexpr std::size_t feldVersatz(int f) {
    return f <= 2   ? 20 * static_cast<std::size_t>(f - 1)
           : f == 3 ? 40
           : f == 4 ? 70
                    : 100 + 20 * static_cast<std::size_t>(f - 5);
}
}  // namespace speicherformat

// Texts of the runtime's input/output errors.
inline constexpr const char* kLeseUeberEnde = "Read beyond end of file";

// The image of `s`, byte for byte. Bytes of no meaning are zero, so the same state always gives
// the same bytes. Texts go to Windows-1252: a character it lacks is saved as '?', and a text
// is cut after 29 characters; the game's own texts need neither.
std::vector<std::uint8_t> speicherbild(const Spielstand& s);

// Reads and checks the whole image before anything changes; only a valid image replaces
// `ziel`. On failure returns what went wrong, and `ziel` is untouched.
Ladefehler ladeBild(std::span<const std::uint8_t> bild, Spielstand& ziel);

// The system calls behind saving and loading, so tests can make each of them fail. Every
// call returns 0 or the errno of its failure.
class Dateisystem {
  public:
    virtual ~Dateisystem() = default;
    // Creates a file that must not exist yet, for writing.
    virtual int anlegen(const std::string& pfad, int& fd);
    virtual int oeffnen(const std::string& pfad, int& fd);
    // One write or read call; `anzahl` receives the bytes moved, which may be fewer than n.
    virtual int schreiben(int fd, const std::uint8_t* daten, std::size_t n, std::size_t& anzahl);
    virtual int lesen(int fd, std::uint8_t* daten, std::size_t n, std::size_t& anzahl);
    virtual int synchronisieren(int fd);
    virtual int schliessen(int fd);
    virtual int umbenennen(const std::string& von, const std::string& nach);
    // A second name `nach` for the file `von` (a hard link).
    virtual int verknuepfen(const std::string& von, const std::string& nach);
    virtual int entfernen(const std::string& pfad);
    // The permission bits of an existing file, and setting them on an open one.
    virtual int rechteLesen(const std::string& pfad, unsigned& rechte);
    virtual int rechteSetzen(int fd, unsigned rechte);
    // Whether this user may write an existing file (0, EACCES, ENOENT ...), as access(W_OK).
    virtual int schreibzugriff(const std::string& pfad);
    // An existing file opened for reading and writing; back to its start; cut to a length.
    virtual int oeffnenZumAendern(const std::string& pfad, int& fd);
    virtual int zumAnfang(int fd);
    virtual int kuerzen(int fd, std::size_t laenge);
};

// Writes the image to a new file beside the target and renames it over the target only once it
// is complete and on disk, so a failed save leaves an existing file as it was. The target is
// the file a symbolic link `pfad` points to, and the new file gets the old one's permission
// bits. A file the player may not write (made read-only) is refused before anything happens,
// as the runtime refused it. In a folder where no new file can be made but the old file may be
// written, the old file is written in place, and put back as it was should that fail. Returns
// "" or the runtime's error text.
std::string speichereDatei(const std::string& pfad, const Spielstand& s);
std::string speichereDatei(const std::string& pfad, const Spielstand& s, Dateisystem& fs);

// Reads `pfad` and loads it as ladeBild does.
Ladefehler ladeDatei(const std::string& pfad, Spielstand& ziel);
Ladefehler ladeDatei(const std::string& pfad, Spielstand& ziel, Dateisystem& fs);

// The runtime's English text for a system error number: "File not found", "File access
// denied", "Disk full" or "I/O error <n>".
std::string ioFehlertext(int fehler);

}  // namespace kabrolux
