#pragma once
// Trips: expiry of unserved orders, the minute countdown of trips, taxis and drivers, and the
// settlement of finished trips.

namespace kabrolux {

class Spiel;
struct Auftrag;

// Clears order row n (1..999) and tells the screens the orders changed.
void loescheauftrag(Spiel& spiel, int n);
// The dispatch screen's three selections become -1 and its lists are rebuilt.
void auswahlZuruecksetzen(Spiel& spiel);

// Settles a finished trip (`abschluss` 1) in one of its four ways: the fare, a special order
// that succeeds or is caught, or an accident. The row is left as it is.
void fahrtAbrechnen(Spiel& spiel, const Auftrag& a);

// Deletes orders not sent within 18 minutes after their pickup time; accepted ones cost image.
void verfallpruefen(Spiel& spiel);
// Counts trips, taxis and drivers down one minute and settles the trips that are over.
void fahrtenfortschreiben(Spiel& spiel);
// The tick's two duties in one: the same as verfallpruefen followed by fahrtenfortschreiben,
// with every event in the same order, but reading each row once in the usual minute.
void verfallUndFahrten(Spiel& spiel);

}  // namespace kabrolux
