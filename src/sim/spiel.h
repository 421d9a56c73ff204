#pragma once
// One running program: the game state, the random generator, the clock, and every rule that
// the clock and the screens apply to them.

#include <array>
#include <string>
#include <vector>

#include "sim/anzeige.h"
#include "sim/uhr.h"
#include "sim/zufall.h"
#include "state/spielstand.h"

namespace kabrolux {

// Texts of the bank screen's share table; they are the only memory of past prices.
struct Banktexte {
    std::array<std::string, kAktien> kurs, vor6, vor12, depot;
};

// What the main screen shows in its three lists.
struct Hauptlisten {
    std::vector<std::string> fahrten, taxen, fahrer;
};

struct PosteingangZeile {
    std::string text;
    bool haken = false;
};

struct SendenListen {
    std::vector<std::string> auftraege, taxen, fahrer;
};

class Spiel {
  public:
    Spiel(Zeitquelle& zeit, Anzeige& anzeige);

    Spielstand stand;
    Zufall zufall;
    Uhr uhr;
    Banktexte bank;

    // --- program start and new game
    // startkapital 0 = no start-capital button selected (the money stays as it is).
    // Returns false when a price text is not a number (the message has been shown).
    bool neuesSpiel(int32_t startkapital, const std::string& grundpreisText,
                    const std::string& kilometerpreisText);
    std::string geldText() const;

    // --- the clock
    void Timer1Timer();
    // Digit keys of the main screen.
    void tasteGedrueckt(char taste);
    // Speed buttons of the settings screen; ms = 0 is "Pause (0)".
    void geschwindigkeitGewaehlt(int ms, bool spielGestartet);

    // Tick duties, callable on their own for tests.
    void aktienkurseberechnen();
    void gehaelterzahlen();
    void bekanntheitVerfallen();
    void verfallpruefen();
    void fahrtenfortschreiben();
    void auftragerzeugen();
    void loescheauftrag(int n);

    // --- main screen
    Hauptlisten hauptlisten() const;
    std::vector<std::string> freieTaxenZeilen() const;
    std::vector<std::string> freieFahrerZeilen() const;

    // --- inbox
    std::vector<PosteingangZeile> posteingangAufbauen() const;
    // The tick box of line k was toggled; zeilen holds the list as it stands now.
    void posteingangHaken(std::vector<PosteingangZeile>& zeilen, int k);

    // --- dispatch
    // A refresh request: selections to -1 and the three lists built anew.
    SendenListen sendenAufbauen();
    // Clears the selections and asks the dispatch screen to rebuild.
    void sendenAuffrischen();
    // Button1Click: sends the chosen order, taxi and driver of the lists as they stand.
    void taxiSenden(const SendenListen& listen);

    // --- car dealer
    // Paging through the catalogue; false at its end, where nothing changes.
    bool autoVor();
    bool autoZurueck();
    bool autoKaufen();

    // --- personnel
    bool fahrerVor();
    bool fahrerZurueck();
    void fahrerEinstellen();
    // Returns true if the driver was dismissed.
    bool fahrerEntlassen();

    Anzeige& anzeige() { return anzeige_; }
    Zeitquelle& zeit() { return zeit_; }

  private:
    // One step through a catalogue of 1..hoechste; false at its end. A damaged value comes
    // back to the nearest end.
    static bool blaettern(int32_t& nr, int schritt, int hoechste);
    void geldMelden() { anzeige_.geldAnzeigen(geldText()); }

    Zeitquelle& zeit_;
    Anzeige& anzeige_;
    bool imTakt_ = false;
};

}  // namespace kabrolux
