#pragma once
// What one run keeps beside the saved game: a save file holds none of it, and loading keeps it.

#include <cstdint>

namespace kabrolux {

struct Laufwerte {
    int32_t kreditlimit = 0;  // the bank's limit as last drawn; the next loan is judged by it
    // The dispatch screen's chosen lines, counted from 0; -1 = none.
    int32_t gewaehlterauftrag = 0, gewaehltestaxi = 0, gewaehlterfahrer = 0;
};

}  // namespace kabrolux
