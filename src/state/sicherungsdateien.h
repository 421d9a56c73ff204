#pragma once
// The running game's own files beside the player's saves, so that a crash, a kill or a logout
// loses nothing: in $XDG_STATE_HOME/kabrolux, the place for state a program keeps between runs,
// each running copy of the program keeps its newest state and the two before it, in the save
// file's format, and a mark that its last run ended the way the player chose.

#include <memory>
#include <string>
#include <vector>

#include "state/speicherdatei.h"
#include "state/spielstand.h"

namespace kabrolux {

// $XDG_STATE_HOME/kabrolux, or ~/.local/state/kabrolux where the variable is unset, empty or
// not an absolute path (such a path is to be ignored); "" when no home is known either.
std::string sicherungsordner(const char* xdgStateHome, const char* home);

// Makes the folder and its missing parents, for the player alone (0700). 0 or the errno.
int ordnerAnlegen(const std::string& pfad);

// The files of one running copy, numbered from 1, in the folder.
class Sicherungsdateien {
  public:
    // The newest state and the two before it.
    static constexpr int kStaende = 3;
    // Appended to a state that fails the loader's checks.
    static constexpr const char* kBeiseite = ".beschaedigt";

    Sicherungsdateien(std::string ordner, int kopie, Dateisystem& fs);

    // State `alter` 0 (the newest) to 2: "spiel-1.kbs", "spiel-1-vorher.kbs",
    // "spiel-1-vorvorher.kbs".
    std::string stand(int alter) const;
    // The lock the copy holds while it runs: "spiel-1.lock".
    std::string schloss() const;
    // Present while nothing is to be offered back: "spiel-1.beendet".
    std::string endmarke() const;
    // The state the player declined last, kept out of the turn of the three:
    // "spiel-1-verworfen.kbs".
    std::string verworfen() const;

    // Writes `s` through the safe save beside the states, then moves the older ones back one
    // place (the oldest goes) and the new one in: a write that fails moves nothing. The newest
    // name always holds a whole state: it is linked to the next place before the new file is
    // renamed over it. The end mark goes first, for the files now hold a run that has not
    // ended. Returns "" or the error text.
    std::string schreiben(const Spielstand& s);
    // Nothing is to be offered at the next start: the run ended as the player chose. Returns
    // "" or the error text.
    std::string abschliessen();
    // The player declined the offered state: it goes to verworfen(), where the turn of the
    // three does not reach it, and nothing is offered at the next start.
    std::string verwerfen(const std::string& angebot);

    struct Angebot {
        std::string pfad;
        std::unique_ptr<Spielstand> stand;
    };
    struct Pruefung {
        Angebot angebot;  // no path when there is nothing to offer
        std::vector<std::string> beiseite;
    };
    // What the start offers back: nothing after abschliessen, else the newest state that
    // passes the loader's checks. One that fails them is renamed with kBeiseite appended, and
    // the player is not asked about it.
    Pruefung pruefen();

  private:
    std::string pfad(const std::string& name) const;
    std::string ordner_;
    int kopie_;
    Dateisystem& fs_;
};

}  // namespace kabrolux
