#include "economy/form/preiseform.h"

#include "state/zahlen.h"
#include "ui/basis/farben.h"
#include "ui/basis/qtanzeige.h"

namespace kabrolux::ui {

Tpreiseform::Tpreiseform(Spiel& s, QtAnzeige& a)
    : Nebenform(s, a, "preiseform", QStringLiteral("Preise")),
      grundpreis_(QStringLiteral("3")),
      kilometerpreis_(q(zahlText(1.2))) {
    schwarzesFenster(this, kGelb);
    setFixedSize(420, 320);
    connect(&anzeige.ereignisse(), &Spielereignisse::preiseGesetzt, this,
            [this](const QString& km, const QString& grund) {
                kilometerpreis_ = km;
                grundpreis_ = grund;
            });
}

}  // namespace kabrolux::ui
