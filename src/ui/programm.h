#pragma once
// The running program: the game and its ten screens, created once at start.

#include <QString>
#include <functional>
#include <memory>

#include "sim/zufall.h"
#include "ui/basis/doppelklickschutz.h"
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
class TVerlaufform;

class Programm {
  public:
    // The program's start makes the main screen's controls once its window is shown
    // (THauptform::Aufbau::spaeter); tests have them at once.
    explicit Programm(Zeitquelle& zeit, bool hauptformSpaeter = false);
    ~Programm();

    Zeitquelle& zeit;
    QtAnzeige anzeige;
    Doppelklickschutz doppelklickschutz;
    // The autosave's folder, which the load dialog offers; empty where there is none.
    QString sicherungsordner;

  private:
    std::unique_ptr<Spiel> spielBesitz_;

  public:
    Spiel& spiel;

    // The main screen exists from the start. Every other screen is made the first time it is
    // needed and then lives as long as the program: a player who never opens the bank pays
    // nothing for it at the start.
    std::unique_ptr<THauptform> hauptform;
    TAutohaendlerform* autohaendlerform();
    TPersonalform* personalform();
    TPosteingangform* posteingangform();
    Twerbungform* werbungform();
    Tstatistikform* statistikform();
    Tbankform* bankform();
    Tpreiseform* preiseform();
    Teinstellungenform* einstellungenform();
    TTaxi_sendenform* taxi_sendenform();
    // The history opens beside the screen it is asked from (F2 on the main screen, or the
    // statistics screen's button) and leaves that screen as it is.
    TVerlaufform* verlaufform();

    // Opens a screen from the main screen: show it, run `dazwischen`, then hide the main
    // screen, which comes back exactly where it was.
    void oeffne(Nebenform* form, const std::function<void()>& dazwischen = {});
    void zeigeHauptform();

  private:
    template <class Form>
    Form* form(std::unique_ptr<Form>& platz);
    void verbinden(Nebenform* form);
    std::unique_ptr<TAutohaendlerform> autohaendlerform_;
    std::unique_ptr<TPersonalform> personalform_;
    std::unique_ptr<TPosteingangform> posteingangform_;
    std::unique_ptr<Twerbungform> werbungform_;
    std::unique_ptr<Tstatistikform> statistikform_;
    std::unique_ptr<Tbankform> bankform_;
    std::unique_ptr<Tpreiseform> preiseform_;
    std::unique_ptr<Teinstellungenform> einstellungenform_;
    std::unique_ptr<TTaxi_sendenform> taxi_sendenform_;
    std::unique_ptr<TVerlaufform> verlaufform_;

    Fenstergedaechtnis hauptPlatz_;
};

}  // namespace kabrolux::ui
