#pragma once
// Base of every screen opened from the main screen. Closing it, by its close box or its own
// return button, runs FormClose and then tells whoever opened it.

#include <QLabel>
#include <QString>
#include <QWidget>

#include "ui/basis/fensterplatz.h"

namespace kabrolux {
class Spiel;
}

namespace kabrolux::ui {

class QtAnzeige;

class Nebenform : public QWidget {
    Q_OBJECT
  public:
    // instanz is the screen's object name, by which tests and assistive technology find it.
    Nebenform(Spiel& spiel, QtAnzeige& anzeige, const char* instanz, const QString& titel);

    // Shows the screen centred over `haupt` the first time, afterwards where the player left
    // it, always entirely on the screen.
    void zeigenUeber(const QWidget& haupt);
    // For a window beside the screens: beside `neben` the first time, where there is room.
    void zeigenDaneben(const QWidget& neben) { gedaechtnis_.zeigenDaneben(*this, neben); }

  signals:
    // The screen was closed; the main screen is to be shown again.
    void geschlossen();

  protected:
    // Loads a picture of the game's picture folder into the label; on failure shows the
    // decoder's message and returns false.
    bool bildZeigen(QLabel* ziel, const QString& datei);
    // Runs however the window is closed; returning false keeps it open.
    virtual bool FormClose() { return true; }
    void closeEvent(QCloseEvent* e) override;
    // After a handler changed the game in a way no game event reports (Spielereignisse).
    void vomSpielerGeaendert();
    // Escape closes the screen as its close box does; a control that uses Escape itself (an
    // open list of a combo box) gets it first.
    void keyPressEvent(QKeyEvent* e) override;

    Spiel& spiel;
    QtAnzeige& anzeige;

  private:
    Fenstergedaechtnis gedaechtnis_;
};

}  // namespace kabrolux::ui
