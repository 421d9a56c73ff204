#pragma once
#include <QImage>

namespace kabrolux::bilder {

// The start screen: the lit taxi in a city at night under the game's name,
// 400 × 300 pixels with edges fading to black.
QImage titelBild();

}  // namespace kabrolux::bilder
