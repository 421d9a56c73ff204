#pragma once
// Personnel: paging through the twelve candidates, hiring and dismissing drivers.

#include <functional>

namespace kabrolux {

class Spiel;

// Opening the screen shows candidate 1.
void personalOeffnen(Spiel& spiel);
// Paging; false at the catalogue's end, where nothing changes.
bool fahrerVor(Spiel& spiel);
bool fahrerZurueck(Spiel& spiel);
// True while candidate n (1..12) is employed.
bool kandidatEingestellt(const Spiel& spiel, int n);
// Hires the candidate on show, with the clock held.
void fahrerEinstellen(Spiel& spiel);
// Dismisses the candidate on show and pays a last salary; false (nothing changes) while the
// driver is on a trip. `vorDerMeldung` runs once the driver is gone, before the message, so the
// screen shows "Einstellen" again while the message is open.
bool fahrerEntlassen(Spiel& spiel, const std::function<void()>& vorDerMeldung = {});

}  // namespace kabrolux
