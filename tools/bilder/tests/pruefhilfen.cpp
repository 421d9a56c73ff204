#include "pruefhilfen.h"

#include <QColor>
#include <QDebug>

#include <cstdlib>

#include "ui/basis/jpegbild.h"

namespace {

// Grey hair has little colour in it and is not dark.
bool grau(QRgb c) {
    const QColor f = QColor::fromRgb(c);
    return f.hsvSaturation() < 70 && f.value() > 120;
}

int abstand(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

}  // namespace

QString erzeugt(const QString& name) {
    return QStringLiteral(KABROLUX_BILDER_ZIEL "/") + name;
}

QImage ladePflicht(const QString& name) {
    QString fehler;
    QImage bild = ladeJpeg(erzeugt(name), &fehler);
    if (bild.isNull()) qWarning("%s", qPrintable(fehler));
    return bild;
}

bool farbeNahe(QRgb ist, QRgb soll, int toleranz) {
    return std::abs(qRed(ist) - qRed(soll)) <= toleranz &&
           std::abs(qGreen(ist) - qGreen(soll)) <= toleranz &&
           std::abs(qBlue(ist) - qBlue(soll)) <= toleranz;
}

int rahmenArt(const QByteArray& d) {
    if (d.size() < 4 || quint8(d[0]) != 0xFF || quint8(d[1]) != 0xD8) return -1;
    qsizetype i = 2;
    while (i + 4 <= d.size()) {
        if (quint8(d[i]) != 0xFF) return -1;
        const int art = quint8(d[i + 1]);
        if (art >= 0xC0 && art <= 0xCF && art != 0xC4 && art != 0xC8 && art != 0xCC) return art;
        if (art == 0xDA) return -1;
        i += 2 + (quint8(d[i + 2]) << 8 | quint8(d[i + 3]));
    }
    return -1;
}

bool elfenbein(QRgb c) {
    return farbeNahe(c, qRgb(230, 220, 180), 35) && qGreen(c) - qBlue(c) > 25;
}

bool schildGelb(QRgb c) {
    return qRed(c) > 215 && qGreen(c) > 165 && qBlue(c) < 110;
}

// The hair starts at the first sharp edge coming in from the soft backdrop;
// even a bald crown keeps hair there.
double grauesHaar(const QImage& bild) {
    int proben = 0;
    int graue = 0;
    for (int y = 88; y <= 96; ++y) {
        int x = 1;
        while (x < 121 && abstand(bild.pixel(x, y), bild.pixel(x - 1, y)) < 40)
            ++x;
        if (x >= 121) return -1.0;
        for (int k = 2; k <= 5; ++k) {
            ++proben;
            graue += grau(bild.pixel(x + k, y)) ? 1 : 0;
        }
    }
    return double(graue) / proben;
}

int zaehle(const QImage& bild, bool (*test)(QRgb)) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x)
            n += test(bild.pixel(x, y)) ? 1 : 0;
    }
    return n;
}
