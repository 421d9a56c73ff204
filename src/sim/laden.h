#pragma once
// Saving the running game to a file and loading a saved one into it.

#include <string>

namespace kabrolux {

class Spiel;
struct Ladefehler;
struct Meldung;

// Writes the game to `pfad`; nothing in the game changes. On failure the runtime's message is
// shown, the previous file is left as it was, and false returned.
bool spielSpeichern(Spiel& spiel, const std::string& pfad);

// The message that tells the player why a file could not be loaded.
Meldung meldungZu(const Ladefehler& f);

// Loads `pfad` into the running game and tells the screens: prices, bars, money, clock, lists.
// A file that cannot be read or is damaged is reported, and the game stays exactly as it was.
bool spielLaden(Spiel& spiel, const std::string& pfad);

}  // namespace kabrolux
