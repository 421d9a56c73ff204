#pragma once
// Rows of a game state as the game's own rules write them: orders from generation to dispatch,
// bought taxis, hired drivers. Each returns its row for the few values a test sets itself.

#include <cstdint>

#include "state/spielstand.h"

namespace kabrolux::test {

// An order as generation writes it into row r, picked up `minuten` after the game clock; its
// texts and figures follow from its number. The order counter moves past the number.
Auftrag& neuerAuftrag(Spielstand& s, int r, int32_t nummer, double minuten = 30);
Auftrag& neuerSonderauftrag(Spielstand& s, int r, int32_t nummer, double minuten = 30);
// The same after the player ticked it in the inbox, counted as the inbox counts it.
Auftrag& angenommenerAuftrag(Spielstand& s, int r, int32_t nummer, double minuten = 30);
// An accepted order due now that is on its way: `rest` minutes to go and the accident roll
// `wurf` drawn at dispatch (0 means an accident).
Auftrag& fahrenderAuftrag(Spielstand& s, int r, int32_t nummer, int32_t rest, int32_t wurf = 5);

// Taxi model 1..4 bought into slot k; the taxi counter moves past its number (default k).
Taxi& gekauftesTaxi(Spielstand& s, int k, int modell, int32_t nummer = 0);
// Candidate 1..12 hired into slot k at the catalogue's salary and experience.
Fahrer& eingestellterFahrer(Spielstand& s, int k, int kandidat, int32_t nummer = 0);

// A taxi or driver on a trip with `rest` minutes to go.
template <class Slot>
Slot& aufFahrt(Slot& x, int32_t rest) {
    x.unterwegs = 1;
    x.restminuten = rest;
    return x;
}
// What dispatch does to the order in row r and the taxi and driver in `slot`: all three on
// their way for `minuten`, the taxi's meter and number on the order.
Auftrag& senden(Spielstand& s, int r, int slot, int32_t minuten);

}  // namespace kabrolux::test
