#pragma once
// The car dealer: paging through the four taxi models and buying the one on show.

namespace kabrolux {

class Spiel;

// Opening the dealer shows model 1.
void autohaendlerOeffnen(Spiel& spiel);
// Paging; false at the catalogue's end, where nothing changes.
bool autoVor(Spiel& spiel);
bool autoZurueck(Spiel& spiel);
// Buys the model on show with the clock held. False when nothing was bought: too little money
// (silent) or a full fleet (the message has been shown).
bool autoKaufen(Spiel& spiel);

}  // namespace kabrolux
