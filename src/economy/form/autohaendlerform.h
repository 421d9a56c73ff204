#pragma once
// The car dealer: page through the four taxi models and buy one.

#include <QLabel>
#include <QPushButton>

#include "ui/basis/nebenform.h"

namespace kabrolux::ui {

class TAutohaendlerform : public Nebenform {
    Q_OBJECT
  public:
    TAutohaendlerform(Spiel& spiel, QtAnzeige& anzeige);

    QLabel* Image1;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7;
    QPushButton *Button1, *Button2, *Button3;

    // Prepares the screen for AutohaendlerbuttonClick (money, model 1 and its picture); false
    // when the picture could not be read, and the screen then stays closed.
    bool oeffnen();
    void Button1Click();
    void Button2Click();
    void Button3Click();

  private:
    // Shows model n and loads its picture; false with the decoder's message on failure.
    bool Bilder(int n);
};

}  // namespace kabrolux::ui
