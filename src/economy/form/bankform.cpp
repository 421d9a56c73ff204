#include "economy/form/bankform.h"

#include "ui/basis/farben.h"

namespace kabrolux::ui {

Tbankform::Tbankform(Spiel& s, QtAnzeige& a) : Nebenform(s, a, "bankform", QStringLiteral("Bank")) {
    schwarzesFenster(this, kGelb);
    setFixedSize(420, 320);
}

}  // namespace kabrolux::ui
