#pragma once
// Settings: game speed and start capital.

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "ui/basis/nebenform.h"

namespace kabrolux::ui {

class Teinstellungenform : public Nebenform {
    Q_OBJECT
  public:
    Teinstellungenform(Spiel& spiel, QtAnzeige& anzeige);

    QLabel *Label1, *Label2;
    QGroupBox *GroupBox1, *GroupBox2;
    QRadioButton *RadioButton1, *RadioButton2, *RadioButton3, *RadioButton9, *RadioButton4;
    QRadioButton *RadioButton5, *RadioButton6, *RadioButton7, *RadioButton8;

    // The start capital of the marked button, tested 30.000 to 60.000; 0 if none is marked.
    int startkapital() const;

  private:
    void geschwindigkeit(int ms);
};

}  // namespace kabrolux::ui
