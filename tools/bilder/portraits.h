#pragma once
#include <QImage>

namespace kabrolux::bilder {

// Passport-style portrait of driver candidate `nummer` (1 to 12), 242 × 258 pixels.
QImage portrait(int nummer);

}  // namespace kabrolux::bilder
