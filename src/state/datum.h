#pragma once
// The game's date-time value: days since 30 December 1899, fraction = time of day.

#include <cstdint>
#include <string>

namespace kabrolux {

using DatumZeit = double;

constexpr double kMinute = 1.0 / 1440.0;

struct Zerlegt {
    int jahr = 1899, monat = 12, tag = 30;
    int stunde = 0, minute = 0, sekunde = 0, millisekunde = 0;
};

// Decodes after rounding to the millisecond, so sums of 1/1440 land on whole minutes.
Zerlegt zerlege(DatumZeit t);
DatumZeit datumZeit(int jahr, int monat, int tag, int stunde = 0, int minute = 0, int sekunde = 0,
                    int millisekunde = 0);

// "dd.mm.yyyy" and "hh:mm" appended to a text, for lines built in one buffer.
void datumAnhaengen(std::string& ziel, const Zerlegt& z);
void zeitAnhaengen(std::string& ziel, const Zerlegt& z);

// "dd.mm.yyyy"
std::string datumText(DatumZeit t);
// "hh:mm"
std::string zeitText(DatumZeit t);

}  // namespace kabrolux
