#include "ui/weitereformen.h"

#include "state/zahlen.h"
#include "ui/farben.h"

namespace kabrolux::ui {

namespace {

void leeresFenster(QWidget* w) {
    schwarzesFenster(w, kGelb);
    w->setFixedSize(420, 320);
}

}  // namespace

Twerbungform::Twerbungform(Programm& p) : Nebenform(p, "Twerbungform", QStringLiteral("Werbung")) {
    leeresFenster(this);
}

Tstatistikform::Tstatistikform(Programm& p)
    : Nebenform(p, "Tstatistikform", QStringLiteral("Statistik")) {
    leeresFenster(this);
}

Tbankform::Tbankform(Programm& p) : Nebenform(p, "Tbankform", QStringLiteral("Bank")) {
    leeresFenster(this);
}

Tpreiseform::Tpreiseform(Programm& p)
    : Nebenform(p, "Tpreiseform", QStringLiteral("Preise")),
      grundpreis_(QStringLiteral("3")),
      kilometerpreis_(q(zahlText(1.2))) {
    leeresFenster(this);
}

}  // namespace kabrolux::ui
