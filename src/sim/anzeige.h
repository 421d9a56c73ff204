#pragma once
// How the game tells its screens what happened. Each event is named after what happened in the
// game, not after a screen, so a new screen subscribes without changing this interface. Calls
// are synchronous: a message inside the tick blocks the tick until the player confirms it.

#include <cstdint>
#include <string>

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

class Anzeige {
  public:
    virtual ~Anzeige() = default;

    // A modal message with one confirming button; returns when the player confirmed it.
    virtual void meldung(const std::string& text) = 0;
    // Let pending input run (the player may act in the middle of a tick).
    virtual void ereignisseVerarbeiten() = 0;

    // The money changed; the text is the main screen's money label as it must read now.
    virtual void geldGeaendert(const std::string& text) = 0;
    // A game minute passed; the clock labels' text.
    virtual void uhrGeaendert(const std::string& text) = 0;
    // One of the four indicators changed.
    virtual void balkenGeaendert(Balken b, int32_t wert) = 0;
    // A new order arrived: the main screen's notice and the order's inbox line.
    virtual void auftragEingegangen(const std::string& hinweis, const std::string& zeile) = 0;
    // Orders, taxis or drivers changed: lists that show them are out of date. The dispatch
    // selections stay; a reset comes as auswahlZurueckgesetzt.
    virtual void auftraegeGeaendert() = 0;
    // The dispatch selections were reset; its lists are to be rebuilt.
    virtual void auswahlZurueckgesetzt() = 0;
    // The prices were reset (consumer-protection fine) or loaded; their texts.
    virtual void preiseGesetzt(const std::string& kilometerpreis,
                               const std::string& grundpreis) = 0;
    // Share prices, holdings or their history texts changed.
    virtual void kurseGeaendert() = 0;
    // The hourly history gained a sample or began anew (a new game, a load).
    virtual void verlaufGeaendert() = 0;
};

}  // namespace kabrolux
