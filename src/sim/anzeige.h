#pragma once
// How the game tells its screens what happened. Each event is named after what happened in the
// game, not after a screen, so a new screen subscribes without changing this interface. Events
// and messages carry facts and values, never sentences: the screens word them in the player's
// language. Calls are synchronous: a message inside the tick blocks the tick until the player
// confirms it.

#include <cstdint>
#include <string>
#include <utility>

#include "state/datum.h"
#include "state/speicherpruefung.h"
#include "state/spielstand.h"

namespace kabrolux {

enum class Balken {
    image,           // ProgressBar1, -100..100
    bekanntheit,     // ProgressBar2, 0..300
    attraktivitaet,  // ProgressBar3, -100..-10
    untergrund,      // ProgressBar4, 0..100 (untergrundpunkte)
};

// The underworld standing 0..20 as its bar shows it, 0..100.
constexpr int32_t untergrundpunkte(int32_t untergrundansehen) {
    return 5 * untergrundansehen;
}

// What a message to the player is about. The values it names are in Meldung.
enum class Meldungsart : uint8_t {
    laufzeitfehler,         // text: the runtime's own words (a typed number, a file), as they are
    dateiBeschaedigt,       // schaden: where and how a save file is damaged
    kreditzinsen,           // betrag: a quarter day's interest
    fahrpreis,              // nummer, betrag: the fare a regular order earned
    sonderauftragGelungen,  // nummer, betrag: the profit
    sonderauftragErwischt,  // nummer, betrag: the fine, to whole euros
    unfall,                 // nummer, betrag: the damage
    verbraucherzentrale,    // betrag: the fine for excessive prices
    fahrerEntlassen,
    taxenVoll,
    kreditlimitErreicht,
    auftragWaehlen,
    taxiWaehlen,
    fahrerWaehlen,
};

struct Meldung {
    Meldungsart art = Meldungsart::laufzeitfehler;
    int32_t nummer = 0;  // the order's number
    int64_t betrag = 0;  // euros
    std::string text;
    Schaden schaden;
    bool operator==(const Meldung&) const = default;

    static Meldung von(Meldungsart art, int32_t nummer = 0, int64_t betrag = 0) {
        Meldung m;
        m.art = art;
        m.nummer = nummer;
        m.betrag = betrag;
        return m;
    }
    static Meldung laufzeit(std::string text) {
        Meldung m;
        m.text = std::move(text);
        return m;
    }
    static Meldung beschaedigt(const Schaden& s) {
        Meldung m;
        m.art = Meldungsart::dateiBeschaedigt;
        m.schaden = s;
        return m;
    }
};

// How the money label shows the amount: in the general float format, or to whole euros (while
// a special order's message is open).
enum class Geldform : uint8_t { allgemein, gerundet };

class Anzeige {
  public:
    virtual ~Anzeige() = default;

    // A modal message with one confirming button; returns when the player confirmed it.
    virtual void meldung(const Meldung& m) = 0;
    // Let pending input run (the player may act in the middle of a tick).
    virtual void ereignisseVerarbeiten() = 0;

    // The money changed; the main screen's money label shows it in this form now.
    virtual void geldGeaendert(double vermoegen, Geldform form) = 0;
    // A game minute passed; the clock labels show this game time.
    virtual void uhrGeaendert(DatumZeit spielzeit) = 0;
    // One of the four indicators changed.
    virtual void balkenGeaendert(Balken b, int32_t wert) = 0;
    // A new order arrived in this row: the main screen's notice and the inbox's new line.
    virtual void auftragEingegangen(const Auftrag& neu) = 0;
    // Orders, taxis or drivers changed: lists that show them are out of date. The dispatch
    // selections stay; a reset comes as auswahlZurueckgesetzt.
    virtual void auftraegeGeaendert() = 0;
    // The dispatch selections were reset; its lists are to be rebuilt.
    virtual void auswahlZurueckgesetzt() = 0;
    // The prices were reset (consumer-protection fine) or loaded.
    virtual void preiseGesetzt(double kilometerpreis, double grundpreis) = 0;
    // Share prices, holdings or their history changed.
    virtual void kurseGeaendert() = 0;
    // The hourly history gained a sample or began anew (a new game, a load).
    virtual void verlaufGeaendert() = 0;
};

}  // namespace kabrolux
