#pragma once
// Personnel: page through the twelve candidates, hire and dismiss drivers.

#include <QLabel>
#include <QPushButton>

#include "ui/basis/nebenform.h"

namespace kabrolux::ui {

class TPersonalform : public Nebenform {
    Q_OBJECT
  public:
    TPersonalform(Spiel& spiel, QtAnzeige& anzeige);

    QLabel* Image1;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    QPushButton *Button1, *Button2, *Button3, *Button4;

    // Prepares the screen for PersonalbuttonClick (candidate 1 and the picture); false when the
    // picture could not be read, and the screen then stays closed.
    bool oeffnen();
    // Shows candidate n; false with the decoder's message when the picture cannot be read.
    bool fahreranzeigen(int n);
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
};

}  // namespace kabrolux::ui
