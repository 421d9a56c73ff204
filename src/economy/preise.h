#pragma once
// The fare: price per kilometre and base price per trip, typed as German decimal texts.

#include <string>

namespace kabrolux {

class Spiel;

// The kilometre field's text when the program starts: 1.2 in the general float format.
std::string startKilometerpreisText();
// The base price field's text when the program starts.
std::string startGrundpreisText();

// Leaving the kilometre field: a text that is neither a number nor empty gets its "." and ","
// swapped, so a wrong separator is repaired in either direction.
std::string kilometerpreisVerlassen(const std::string& text);
// Leaving the base price field: every "." becomes ",", number or not.
std::string grundpreisVerlassen(const std::string& text);

// Closing the prices screen: the base price first, then the kilometre price. A text that is
// not a number shows the conversion message and stops there (a good base price stays taken);
// false keeps the screen open.
bool preiseUebernehmen(Spiel& spiel, const std::string& grundpreisText,
                       const std::string& kilometerpreisText);

}  // namespace kabrolux
