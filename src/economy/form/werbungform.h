#pragma once
// The Werbung screen.

#include "ui/basis/nebenform.h"

namespace kabrolux::ui {

class Twerbungform : public Nebenform {
    Q_OBJECT
  public:
    Twerbungform(Spiel& spiel, QtAnzeige& anzeige);
};

}  // namespace kabrolux::ui
