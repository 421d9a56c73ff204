#pragma once
// Checks a state read from a save file before it may replace the running game's, and the facts
// a damaged file is reported with: where the damage sits and what is wrong there. The screens
// word them.

#include <cstdint>
#include <optional>
#include <string>

#include "state/spielstand.h"

namespace kabrolux {

// Where a damaged value sits: one of the single values, field `feld` of entry `nr` of a table,
// or the file as a whole.
enum class Stelle : uint8_t {
    datei,
    vermoegen,
    aktuellesAuto,
    spielLaeuft,
    aktuellerFahrer,
    grundpreis,
    kilometerpreis,
    spielzeit,
    bekanntheit,
    image,
    untergrundansehen,
    schulden,
    auftragsnummer,
    taxinummer,
    fahrernummer,
    erledigteAuftraege,
    angenommeneAuftraege,
    eingestellt,  // nr
    aktie,        // nr, feld
    auftrag,      // nr, feld
    fahrer,       // nr, feld
    taxi,         // nr, feld
};

struct Ort {
    Stelle stelle = Stelle::datei;
    int nr = 0;
    int feld = 0;
    bool operator==(const Ort&) const = default;
};

// What is wrong; a, b and c are the numbers the finding names.
enum class Befund : uint8_t {
    zuLang,                  // a: the most bytes a save file has
    laengenangabe,           // a: the length word read instead of 16
    typ,                     // a: the kind code read; b: 1 where a date-time is allowed too
    textlaenge,              // a: the length byte read (29 at most)
    zeichen,                 // a: a byte Windows-1252 has no character for
    keineEndlicheZahl,       //
    datumAusserhalb,         // outside the years 1 to 9999
    wertStatt,               // a: the value, b: the only one allowed
    wertKleinerAls,          // a: the value, b: the least allowed
    wertNichtZwischen,       // a: the value, b..c: the range
    keinVielfaches,          // a: the value, not a multiple of 10000
    restminutenOhneFahrt,    // a: the minutes left of an order no taxi was sent to
    kandidatSchonFahrer,     // a: the candidate, b: the driver slot that has them already
    eingestelltOhneFahrer,   // a: the candidate marked employed whom no driver is
    fahrerNichtEingestellt,  // a: the driver slot, b: its candidate, marked not employed
    nummerDoppelt,           // a: the order number, b: the order that has it already
    belegtHinterEnde,        // a: the first never-used order in front of it
};

struct Schaden {
    Ort ort;
    Befund befund = Befund::zuLang;
    int64_t a = 0, b = 0, c = 0;
    bool operator==(const Schaden&) const = default;
};

// Thrown while reading a damaged image.
struct Beschaedigt {
    Schaden schaden;
};

[[noreturn]] void beschaedigt(const Ort& o, Befund befund, int64_t a = 0, int64_t b = 0,
                              int64_t c = 0);

// Every rule a state the game itself writes obeys: ranges, flags, the drivers' bookkeeping and
// the order table's. Throws Beschaedigt at the first value that breaks one.
void pruefeGeladenenStand(const Spielstand& s);

// Why a file could not be loaded: the runtime's input/output error in its own words ("File not
// found", "Read beyond end of file" ...), or the damage found. Neither: it loaded.
struct Ladefehler {
    std::string laufzeit;
    std::optional<Schaden> schaden;
    bool leer() const { return laufzeit.empty() && !schaden; }
    bool operator==(const Ladefehler&) const = default;
};

}  // namespace kabrolux
