#pragma once
// The Bank screen.

#include "ui/basis/nebenform.h"

namespace kabrolux::ui {

class Tbankform : public Nebenform {
    Q_OBJECT
  public:
    Tbankform(Spiel& spiel, QtAnzeige& anzeige);
};

}  // namespace kabrolux::ui
