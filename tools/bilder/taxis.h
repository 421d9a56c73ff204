#pragma once
#include <QColor>
#include <QImage>
#include <QPainter>

#include <utility>
#include <vector>

#include "malhilfen.h"

namespace kabrolux::bilder {

// Outline of one model in car coordinates: x from the rear bumper forwards,
// y upwards from the road. Heights in pixels of the 450 × 306 picture.
struct Modell {
    std::vector<Ecke> karosserie;
    std::vector<Ecke> fenster;
    double radHinten;
    double radVorne;
    double radRadius;
    double guertel;    // lower edge of the side windows
    double bodenfrei;  // lower edge of the body
    double laenge;
    double dachMitte;  // where the roof sign sits
    double dachHoehe;
    std::vector<std::pair<double, double>> saeulen;  // pillar x at beltline, x at roof
    std::vector<double> tuerFugen;                   // door gaps, x
    std::vector<double> griffe;                      // door handles, x
    int felge;            // 0 steel with cap, 1 slotted cap, 2 five spokes, 3 many spokes
    bool chrom;           // premium trim
    bool dachreling;      // estate roof rails
    QColor stossfaenger;  // bumper colour
};

// The four models of the car dealer, 1 (smallest) to 4.
Modell modell(int nummer);
Modell modellKompakt();

// Draws a taxi with its rear wheel on the road at the painter's origin.
void zeichneTaxi(QPainter& p, const Modell& m, bool nacht);

// Model `nummer` parked in a street by day, 450 × 306 pixels.
QImage taxiBild(int nummer);

}  // namespace kabrolux::bilder
