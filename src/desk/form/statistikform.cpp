#include "desk/form/statistikform.h"

#include "ui/basis/farben.h"

namespace kabrolux::ui {

Tstatistikform::Tstatistikform(Spiel& s, QtAnzeige& a)
    : Nebenform(s, a, "statistikform", QStringLiteral("Statistik")) {
    schwarzesFenster(this, kGelb);
    setFixedSize(420, 320);
}

}  // namespace kabrolux::ui
