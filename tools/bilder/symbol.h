#pragma once
#include <QImage>
#include <QString>

#include <array>
#include <vector>

#include "flaechen.h"

namespace kabrolux::bilder {

// The icon is drawn on a square of this many units.
constexpr int symbolRaster = 256;

// Pixel sizes of the hicolor theme the icon is drawn for.
constexpr std::array<int, 6> symbolGroessen = {16, 32, 48, 64, 128, 256};

// The icon: the ivory taxi seen from the front at night, its roof sign lit.
// Small sizes leave out the fine details and enlarge what must stay readable;
// `groesse` 0 gives the full drawing for the scalable version.
std::vector<Flaeche> symbolEntwurf(int groesse);

// The icon as a transparent square of `groesse` pixels.
QImage symbolBild(int groesse);

// The full drawing as an SVG document.
QString symbolSvg();

}  // namespace kabrolux::bilder
