#pragma once
// The inbox: every order not yet served, with a tick box that accepts it for good.

#include <string>
#include <vector>

namespace kabrolux {

class Spiel;
struct Spielstand;

struct PosteingangZeile {
    std::string text;
    bool haken = false;
};

// The list from the order table (rows 1..999), accepted orders ticked.
std::vector<PosteingangZeile> posteingangZeilen(const Spielstand& s);
// The inbox rebuild: the same, with the clock held while it works.
std::vector<PosteingangZeile> posteingangAufbauen(Spiel& spiel);
// The tick box of line k was toggled; zeilen holds the list as it stands now and gets the
// tick marks as they must read afterwards.
void posteingangHaken(Spiel& spiel, std::vector<PosteingangZeile>& zeilen, int k);

}  // namespace kabrolux
