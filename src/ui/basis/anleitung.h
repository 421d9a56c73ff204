#pragma once
// The game's guide in a window of its own: F1 on any screen opens it with that screen's
// sections first. It is docs/spielanleitung.md, a resource shown by Qt's Markdown support and
// the same source as the manual page's rules, and it never stops the clock.

#include <QList>
#include <QString>
#include <QStringList>
#include <QTextBrowser>
#include <QWidget>

#include "ui/basis/fensterplatz.h"

namespace kabrolux::ui {

class QtAnzeige;

struct Anleitungsabschnitt {
    QString titel;
    QStringList fenster;  // object names of the windows whose F1 shows it first
    QString markdown;     // the text under the heading
};
// The guide's sections in their order.
const QList<Anleitungsabschnitt>& anleitungsabschnitte();

// The guide as one document: the sections for the window named `fenster` first, then links to
// every section, then the others.
QString anleitungMarkdown(const QString& fenster);

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
