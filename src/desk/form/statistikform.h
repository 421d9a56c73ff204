#pragma once
// The Statistik screen.

#include "ui/basis/nebenform.h"

namespace kabrolux::ui {

class Tstatistikform : public Nebenform {
    Q_OBJECT
  public:
    Tstatistikform(Spiel& spiel, QtAnzeige& anzeige);
};

}  // namespace kabrolux::ui
