// A bare Qt window of the main screen's size with one line of text (any text loads the fonts),
// the yardstick for the game's start.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "ui/basis/startmessung.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget fenster;
    fenster.setWindowTitle(QStringLiteral("Leeres Fenster"));
    fenster.setFixedSize(759, 537);
    QLabel text(QStringLiteral("Kabrolux"), &fenster);
    text.move(16, 16);
    kabrolux::ui::Startmessung::einrichten(fenster);
    fenster.show();
    return QApplication::exec();
}
