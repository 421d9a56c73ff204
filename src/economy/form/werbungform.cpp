#include "economy/form/werbungform.h"

#include "ui/basis/farben.h"

namespace kabrolux::ui {

Twerbungform::Twerbungform(Spiel& s, QtAnzeige& a)
    : Nebenform(s, a, "werbungform", QStringLiteral("Werbung")) {
    schwarzesFenster(this, kGelb);
    setFixedSize(420, 320);
}

}  // namespace kabrolux::ui
