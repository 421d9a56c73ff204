#include <QApplication>
#include <QIcon>

#include "sim/zufall.h"
#include "ui/basis/jpegbild.h"
#include "ui/hauptform.h"
#include "ui/programm.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kabrolux"));
    QApplication::setDesktopFileName(QStringLiteral("kabrolux"));
    QApplication::setWindowIcon(QIcon(bilderOrdner() + QStringLiteral("kabrolux.png")));
    // One look on every desktop: the screens are drawn in the game's own colours.
    QApplication::setStyle(QStringLiteral("Fusion"));

    kabrolux::Systemzeit zeit;
    kabrolux::ui::Programm programm(zeit);
    programm.hauptform->show();
    return QApplication::exec();
}
