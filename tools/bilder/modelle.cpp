#include "taxis.h"

namespace kabrolux::bilder {

namespace {

Modell modellKlein() {
    Modell m;
    m.laenge = 282;
    m.karosserie = {{6, 15, 6},    {0, 46, 10},   {3, 74, 12},   {34, 108, 26}, {144, 110, 18},
                    {198, 73, 10}, {270, 63, 18}, {282, 44, 10}, {278, 15, 6}};
    m.fenster = {{20, 76, 5}, {42, 102, 12}, {140, 104, 8}, {188, 75, 3}};
    m.radHinten = 50;
    m.radVorne = 226;
    m.radRadius = 26;
    m.guertel = 74;
    m.bodenfrei = 15;
    m.dachMitte = 92;
    m.dachHoehe = 109;
    m.saeulen = {{112, 109}};
    m.tuerFugen = {110, 196};
    m.griffe = {128};
    m.felge = 0;
    m.chrom = false;
    m.dachreling = false;
    m.stossfaenger = QColor(52, 54, 58);
    return m;
}

Modell modellKombi() {
    Modell m;
    m.laenge = 358;
    m.karosserie = {{6, 16, 6},    {0, 52, 10},   {6, 98, 12},   {20, 110, 16}, {212, 111, 16},
                    {266, 76, 10}, {348, 66, 16}, {358, 44, 10}, {354, 16, 6}};
    m.fenster = {{14, 78, 4}, {24, 104, 8}, {208, 105, 8}, {258, 77, 3}};
    m.radHinten = 76;
    m.radVorne = 286;
    m.radRadius = 28;
    m.guertel = 76;
    m.bodenfrei = 16;
    m.dachMitte = 160;
    m.dachHoehe = 111;
    m.saeulen = {{56, 60}, {176, 170}};
    m.tuerFugen = {114, 178, 262};
    m.griffe = {158, 240};
    m.felge = 2;
    m.chrom = false;
    m.dachreling = true;
    m.stossfaenger = QColor(70, 72, 76);
    return m;
}

Modell modellLimousine() {
    Modell m;
    m.laenge = 392;
    m.karosserie = {{6, 17, 6},     {0, 50, 10},   {6, 72, 10},   {80, 77, 12},  {134, 105, 26},
                    {236, 107, 18}, {290, 74, 10}, {382, 66, 18}, {392, 44, 10}, {388, 17, 6}};
    m.fenster = {{96, 75, 4}, {138, 101, 14}, {232, 103, 8}, {280, 75, 3}};
    m.radHinten = 86;
    m.radVorne = 316;
    m.radRadius = 30;
    m.guertel = 73;
    m.bodenfrei = 17;
    m.dachMitte = 186;
    m.dachHoehe = 106;
    m.saeulen = {{122, 130}, {190, 186}};
    m.tuerFugen = {130, 194, 286};
    m.griffe = {176, 266};
    m.felge = 3;
    m.chrom = true;
    m.dachreling = false;
    m.stossfaenger = QColor(226, 216, 176);
    return m;
}

}  // namespace

Modell modellKompakt() {
    Modell m;
    m.laenge = 328;
    m.karosserie = {{6, 16, 6},     {0, 50, 10},   {4, 76, 10},   {64, 80, 12},  {112, 104, 22},
                    {194, 105, 16}, {244, 75, 10}, {318, 66, 16}, {328, 44, 10}, {324, 16, 6}};
    m.fenster = {{74, 77, 4}, {114, 100, 12}, {192, 101, 8}, {236, 76, 3}};
    m.radHinten = 70;
    m.radVorne = 262;
    m.radRadius = 27;
    m.guertel = 75;
    m.bodenfrei = 16;
    m.dachMitte = 152;
    m.dachHoehe = 104.5;
    m.saeulen = {{158, 154}};
    m.tuerFugen = {104, 160, 240};
    m.griffe = {140, 218};
    m.felge = 1;
    m.chrom = false;
    m.dachreling = false;
    m.stossfaenger = QColor(48, 50, 54);
    return m;
}

Modell modell(int nummer) {
    switch (nummer) {
        case 1:
            return modellKlein();
        case 2:
            return modellKompakt();
        case 3:
            return modellKombi();
        default:
            return modellLimousine();
    }
}

}  // namespace kabrolux::bilder
