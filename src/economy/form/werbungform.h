#pragma once
// The advertising screen: pick one campaign and buy it.

#include <QPushButton>
#include <QRadioButton>

#include "ui/basis/nebenform.h"
#include "ui/basis/radiogruppe.h"

namespace kabrolux::ui {

class Twerbungform : public Nebenform {
    Q_OBJECT
  public:
    Twerbungform(Spiel& spiel, QtAnzeige& anzeige);

    Radiogruppe* RadioGroup1;
    QRadioButton *RadioButton1, *RadioButton2, *RadioButton3, *RadioButton4, *RadioButton5;
    QPushButton *Button1, *Button2;

    // Buys the marked campaign if the money covers it; closes the screen in every case.
    void Button1Click();
    void Button2Click();
};

}  // namespace kabrolux::ui
