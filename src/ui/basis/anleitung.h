#pragma once
// The game's guide in a window of its own: F1 on any screen opens it with that screen's
// sections first. It is made at build time from docs/spielanleitung.txt, the same source as
// the manual page's rules, and never stops the clock.

#include <QString>
#include <QTextBrowser>
#include <QWidget>
#include <span>

#include "ui/basis/fensterplatz.h"

namespace kabrolux::ui {

class QtAnzeige;

struct Anleitungsabschnitt {
    const char* titel;
    const char* fenster;  // object names of the windows whose F1 shows it first
    const char* html;
};
// The guide's sections in their order.
std::span<const Anleitungsabschnitt> anleitungsabschnitte();

// The guide as one document: the sections for the window named `fenster` first, then links to
// every section, then the others.
QString anleitungHtml(const QString& fenster);

class Spielanleitung : public QWidget {
    Q_OBJECT
  public:
    Spielanleitung();
    // Shows the guide for window `fenster` from its top: the first time beside it (over it if
    // there is no room), later where the player left it.
    void zeigen(const QWidget& fenster);

    QTextBrowser* Text;

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    Fenstergedaechtnis gedaechtnis_;
};

// F1 in the window `fenster` opens the guide.
void anleitungAnbieten(QWidget* fenster, QtAnzeige& anzeige);

}  // namespace kabrolux::ui
