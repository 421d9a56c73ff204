#pragma once
// The inbox: every order not yet served, with a tick box that accepts it for good.

#include <cstdint>
#include <vector>

namespace kabrolux {

class Spiel;
struct Spielstand;

// One line of the list: the order's number, which maps the line back to its row, the row it
// was listed from (to word the line), and the tick mark.
struct PosteingangZeile {
    int32_t nummer = 0;
    int zeile = 0;
    bool haken = false;
    bool operator==(const PosteingangZeile&) const = default;
};

// The list from the order table (rows 1..999), accepted orders ticked.
std::vector<PosteingangZeile> posteingangZeilen(const Spielstand& s);
// The inbox rebuild: the same, with the clock held while it works.
std::vector<PosteingangZeile> posteingangAufbauen(Spiel& spiel);
// The tick box of line k was toggled; zeilen holds the list as it stands now (numbers and tick
// marks) and gets the tick marks as they must read afterwards.
void posteingangHaken(Spiel& spiel, std::vector<PosteingangZeile>& zeilen, int k);

}  // namespace kabrolux
