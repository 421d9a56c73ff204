#include "state/datum.h"

#include <cmath>

#include "state/zahlen.h"

namespace kabrolux {

namespace {

constexpr int64_t kMsProTag = 86'400'000;
// Days from 1970-01-01 back to the game's epoch, 1899-12-30.
constexpr int64_t kEpocheVersatz = 25569;

// Civil date from days since 1970-01-01 (proleptic Gregorian calendar).
void ausTagen(int64_t z, int& j, int& m, int& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    j = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

int64_t zuTagen(int64_t j, int m, int d) {
    j -= m <= 2;
    const int64_t era = (j >= 0 ? j : j - 399) / 400;
    const int64_t yoe = j - era * 400;
    const int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

}  // namespace

Zerlegt zerlege(DatumZeit t) {
    Zerlegt z;
    // Far outside any game calendar (damaged data): show the epoch rather than overflow.
    if (!std::isfinite(t) || std::fabs(t) > 3.0e6) return z;
    const int64_t ms = std::llround(t * static_cast<double>(kMsProTag));
    int64_t tage = ms / kMsProTag;
    int64_t rest = ms % kMsProTag;
    if (rest < 0) {
        rest += kMsProTag;
        --tage;
    }
    ausTagen(tage - kEpocheVersatz, z.jahr, z.monat, z.tag);
    z.stunde = static_cast<int>(rest / 3'600'000);
    z.minute = static_cast<int>(rest / 60'000 % 60);
    z.sekunde = static_cast<int>(rest / 1000 % 60);
    z.millisekunde = static_cast<int>(rest % 1000);
    return z;
}

DatumZeit datumZeit(int jahr, int monat, int tag, int stunde, int minute, int sekunde,
                    int millisekunde) {
    const double tage = static_cast<double>(zuTagen(jahr, monat, tag) + kEpocheVersatz);
    const double ms = ((stunde * 60.0 + minute) * 60.0 + sekunde) * 1000.0 + millisekunde;
    return tage + ms / static_cast<double>(kMsProTag);
}

void datumAnhaengen(std::string& ziel, const Zerlegt& z) {
    ziffernAnhaengen(ziel, z.tag, 2);
    ziel.push_back('.');
    ziffernAnhaengen(ziel, z.monat, 2);
    ziel.push_back('.');
    ziffernAnhaengen(ziel, z.jahr, 4);
}

void zeitAnhaengen(std::string& ziel, const Zerlegt& z) {
    ziffernAnhaengen(ziel, z.stunde, 2);
    ziel.push_back(':');
    ziffernAnhaengen(ziel, z.minute, 2);
}

std::string datumText(DatumZeit t) {
    std::string s;
    datumAnhaengen(s, zerlege(t));
    return s;
}

std::string zeitText(DatumZeit t) {
    std::string s;
    zeitAnhaengen(s, zerlege(t));
    return s;
}

}  // namespace kabrolux
