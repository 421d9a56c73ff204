#pragma once
// The history window: the company's figures hour by hour as line charts. It opens beside the
// screen it was asked from (the main screen stays usable) and follows the clock while shown.

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <array>
#include <vector>

#include "desk/form/verlaufsdiagramm.h"
#include "sim/verlauf.h"
#include "ui/basis/nebenform.h"

namespace kabrolux::ui {

class TVerlaufform : public Nebenform {
    Q_OBJECT
  public:
    TVerlaufform(Spiel& spiel, QtAnzeige& anzeige);

    // Shows the window beside `ueber` (over it if there is no room) the first time, afterwards
    // where it was left; an open one only comes to the front.
    void oeffnen(const QWidget& ueber);

    QLabel *seitZeile,
        *hinweisZeile;          // since when it records; the latest sample and how to read values
    QGroupBox* zeitraumRahmen;  // the span
    QRadioButton *tagKnopf, *wocheKnopf, *allesKnopf;  // day, week, everything
    // Money and debts; image, popularity, underworld, attractiveness; shares; orders.
    Verlaufsdiagramm *geldDiagramm, *ansehenDiagramm, *aktienDiagramm, *auftragsDiagramm;
    // The latest values, one label per curve in its colour.
    QWidget *geldLegende, *ansehenLegende, *aktienLegende, *auftragsLegende;

    // Redraws from the recorded samples.
    void auffrischen();

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    // "Verlauf seit Spielbeginn", or since the load at its game time.
    QString seitText(const Verlauf& v) const;
    void baueZeitraum();
    void baueDiagramme();
    std::array<std::vector<QLabel*>, 4> letzte_;
};

}  // namespace kabrolux::ui
