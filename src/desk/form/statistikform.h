#pragma once
// The statistics screen: five counts about the orders of the running game.

#include <QLabel>
#include <QPushButton>

#include "ui/basis/nebenform.h"

namespace kabrolux::ui {

class Tstatistikform : public Nebenform {
    Q_OBJECT
  public:
    Tstatistikform(Spiel& spiel, QtAnzeige& anzeige);

    QLabel *Label1, *Label2, *Label3, *Label7, *Label8;   // captions
    QLabel *Label4, *Label5, *Label6, *Label9, *Label10;  // values
    QPushButton* Button1;                                 // opens the history

    // Computes and shows the five values: on every showing, and while the screen is shown
    // whenever a game minute passes or orders change.
    void FormPaint();

  signals:
    // The player asked for the history window.
    void verlaufGewuenscht();

  protected:
    void showEvent(QShowEvent* e) override;
};

}  // namespace kabrolux::ui
