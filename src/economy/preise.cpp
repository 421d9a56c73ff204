#include "economy/preise.h"

#include "sim/neuesspiel.h"
#include "state/spielstand.h"
#include "state/zahlen.h"

namespace kabrolux {

std::string startKilometerpreisText() {
    return zahlText(kStandardKilometerpreis);
}

std::string startGrundpreisText() {
    return zahlText(kStandardGrundpreis);
}

std::string kilometerpreisVerlassen(const std::string& text) {
    if (text.empty() || liesFloat(text).wert) return text;
    std::string t = text;
    for (char& c : t) {
        if (c == '.')
            c = ',';
        else if (c == ',')
            c = '.';
    }
    return t;
}

std::string grundpreisVerlassen(const std::string& text) {
    std::string t = text;
    for (char& c : t)
        if (c == '.') c = ',';
    return t;
}

bool preiseUebernehmen(Spiel& spiel, const std::string& grundpreisText,
                       const std::string& kilometerpreisText) {
    // The same reading as a new game's.
    return preiseLesen(spiel, grundpreisText, kilometerpreisText);
}

}  // namespace kabrolux
