#pragma once
// The prices screen: price per kilometre and base price per trip.

#include <QString>

#include "ui/basis/nebenform.h"

namespace kabrolux::ui {

class Tpreiseform : public Nebenform {
    Q_OBJECT
  public:
    Tpreiseform(Spiel& spiel, QtAnzeige& anzeige);
    // The texts the new game reads.
    QString grundpreisText() const { return grundpreis_; }
    QString kilometerpreisText() const { return kilometerpreis_; }

  private:
    QString grundpreis_, kilometerpreis_;
};

}  // namespace kabrolux::ui
