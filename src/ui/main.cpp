#include <QApplication>

#include "sim/zufall.h"
#include "ui/hauptform.h"
#include "ui/programm.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kabrolux"));
    QApplication::setStyle(QStringLiteral("Fusion"));

    kabrolux::Systemzeit zeit;
    kabrolux::ui::Programm programm(zeit);
    programm.hauptform->show();
    return QApplication::exec();
}
