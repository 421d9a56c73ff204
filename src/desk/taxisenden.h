#pragma once
// Dispatch: an accepted order, a free taxi and a free driver are sent on a trip.

#include <vector>

#include "state/listen.h"
#include "state/spielstand.h"

namespace kabrolux {

class Spiel;

// What the three lists show: the order rows as they stand, the free taxis and drivers. Each
// line maps back to its row or slot by the number it carries, never by its place.
struct SendenListen {
    std::vector<Auftrag> auftraege;
    std::vector<Taxizeile> taxen;
    std::vector<Fahrerzeile> fahrer;
};

// The refresh request: selections to -1 and the three lists built anew, with the clock held.
SendenListen sendenAufbauen(Spiel& spiel);
// The lists built anew after orders, taxis or drivers changed without a refresh request: a
// chosen line stays chosen where it stands now, or nothing is chosen in a list it left.
SendenListen sendenNachfuehren(Spiel& spiel, const SendenListen& alt);

// The line the player chose in one of the three lists (from 0; -1 = none).
void auftragGewaehlt(Spiel& spiel, int zeile);
void taxiGewaehlt(Spiel& spiel, int zeile);
void fahrerGewaehlt(Spiel& spiel, int zeile);

// Button1Click: sends the chosen order, taxi and driver of the lists as they stand.
void taxiSenden(Spiel& spiel, const SendenListen& listen);

}  // namespace kabrolux
