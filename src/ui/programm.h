#pragma once
// The running program: the game and its ten screens, created once at start.

#include <functional>
#include <memory>

#include "sim/zufall.h"
#include "ui/basis/fensterplatz.h"
#include "ui/basis/qtanzeige.h"

namespace kabrolux {
class Spiel;
}

namespace kabrolux::ui {

class Nebenform;
class THauptform;
class TAutohaendlerform;
class TPersonalform;
class TPosteingangform;
class Twerbungform;
class Tstatistikform;
class Tbankform;
class Tpreiseform;
class Teinstellungenform;
class TTaxi_sendenform;

class Programm {
  public:
    explicit Programm(Zeitquelle& zeit);
    ~Programm();

    Zeitquelle& zeit;
    QtAnzeige anzeige;

  private:
    std::unique_ptr<Spiel> spielBesitz_;

  public:
    Spiel& spiel;

    // Screens in the order they are created; the main screen comes first.
    std::unique_ptr<THauptform> hauptform;
    std::unique_ptr<TAutohaendlerform> autohaendlerform;
    std::unique_ptr<TPersonalform> personalform;
    std::unique_ptr<TPosteingangform> posteingangform;
    std::unique_ptr<Twerbungform> werbungform;
    std::unique_ptr<Tstatistikform> statistikform;
    std::unique_ptr<Tbankform> bankform;
    std::unique_ptr<Tpreiseform> preiseform;
    std::unique_ptr<Teinstellungenform> einstellungenform;
    std::unique_ptr<TTaxi_sendenform> taxi_sendenform;

    // Opens a screen from the main screen: show it, run `dazwischen`, then hide the main
    // screen, which comes back exactly where it was.
    void oeffne(Nebenform* form, const std::function<void()>& dazwischen = {});
    void zeigeHauptform();

  private:
    void verbinden(Nebenform* form);
    Fenstergedaechtnis hauptPlatz_;
};

}  // namespace kabrolux::ui
