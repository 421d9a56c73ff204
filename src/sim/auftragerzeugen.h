#pragma once
// New orders: the attractiveness gauge, the order roll, the consumer-protection fine and the
// new row of the order table.

namespace kabrolux {

class Spiel;

// The last duty of every tick; reseeds the generator before its first draw.
void auftragerzeugen(Spiel& spiel);

}  // namespace kabrolux
