#pragma once
// Base of every screen opened from the main screen: closing it, by its close box or its own
// return button, shows the main screen again.

#include <QLabel>
#include <QString>
#include <QWidget>

namespace kabrolux::ui {

class Programm;

class Nebenform : public QWidget {
    Q_OBJECT
  public:
    Nebenform(Programm& p, const char* klasse, const QString& titel);

  protected:
    // Loads a picture of the game's picture folder into the label; on failure shows the
    // decoder's message and returns false.
    bool bildZeigen(QLabel* ziel, const QString& datei);
    // Runs however the window is closed; returning false keeps it open.
    virtual bool FormClose() { return true; }
    void closeEvent(QCloseEvent* e) override;
    Programm& programm;
};

}  // namespace kabrolux::ui
