#include <QGuiApplication>

#include "pruefhilfen.h"

// One program for all checks of the generator; each class reports on its own.
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    int fehler = 0;
    fehler += pruefeBilder(argc, argv);
    fehler += pruefeSymbol(argc, argv);
    fehler += pruefeMalerei(argc, argv);
    return fehler == 0 ? 0 : 1;
}
