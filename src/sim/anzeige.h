#pragma once
// How the game tells its screens what happened. The Qt layer implements it; tests record it.

#include <cstdint>
#include <string>

namespace kabrolux {

enum class Balken {
    image,           // ProgressBar1, -100..100
    bekanntheit,     // ProgressBar2, 0..300
    attraktivitaet,  // ProgressBar3, -100..-10
    untergrund,      // ProgressBar4, 0..100 (5 x untergrundansehen)
};

class Anzeige {
  public:
    virtual ~Anzeige() = default;
    // A modal message with one confirming button; returns when the player confirmed it.
    virtual void meldung(const std::string& text) = 0;
    // The main screen's money label, full text.
    virtual void geldAnzeigen(const std::string& text) = 0;
    // The four clock labels.
    virtual void uhrAnzeigen(const std::string& text) = 0;
    virtual void balkenAnzeigen(Balken b, int32_t wert) = 0;
    // The main screen's new-order notice.
    virtual void auftragsHinweis(const std::string& text) = 0;
    // A new order's line, for the inbox list if the inbox is shown.
    virtual void neueAuftragsZeile(const std::string& zeile) = 0;
    // Orders, taxis or drivers changed: the main screen rebuilds its lists.
    virtual void hauptformAuffrischen() = 0;
    // The dispatch screen rebuilds its lists (its selections are already reset).
    virtual void sendenAuffrischen() = 0;
    // The inbox rebuilds its list.
    virtual void posteingangAuffrischen() = 0;
    // The prices screen's fields, after the consumer-protection fine reset the prices.
    virtual void preiseAnzeigen(const std::string& kilometerpreis,
                                const std::string& grundpreis) = 0;
    // The bank screen's share labels changed.
    virtual void bankAuffrischen() = 0;
    // Let pending input run (the player may act in the middle of a tick).
    virtual void ereignisseVerarbeiten() = 0;
};

}  // namespace kabrolux
