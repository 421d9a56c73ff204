#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QtGlobal>

// Path of a file the generator wrote during the build.
QString erzeugt(const QString& name);

// Reads a generated JPEG with the game's own loader; null if it cannot.
QImage ladePflicht(const QString& name);

bool farbeNahe(QRgb ist, QRgb soll, int toleranz);

// Start-of-frame marker of a JPEG: 0xC0 for baseline, 0xC2 for progressive.
int rahmenArt(const QByteArray& d);

// Taxi ivory, shaded or lit; the yellow cast keeps plaster and paving out.
bool elfenbein(QRgb c);

// The roof sign and the title's gold.
bool schildGelb(QRgb c);

// Share of grey in the hair beside the left temple of a portrait, -1 if no
// hair edge was found.
double grauesHaar(const QImage& bild);

// Pixels of the picture for which the test holds.
int zaehle(const QImage& bild, bool (*test)(QRgb));

// Test registration for the shared main: each file runs its own class.
int pruefeBilder(int argc, char** argv);
int pruefeSymbol(int argc, char** argv);
int pruefeMalerei(int argc, char** argv);
