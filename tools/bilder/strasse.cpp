#include "strasse.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRandomGenerator>

#include <cmath>
#include <numbers>

namespace kabrolux::bilder {

namespace {

// Sky and a few fair-weather clouds: puffs on a flat base, shaded underneath.
void zeichneHimmel(QPainter& p, double w, double bordstein, QRandomGenerator& zufall) {
    QLinearGradient himmel(0, 0, 0, bordstein);
    himmel.setColorAt(0.0, QColor(110, 160, 215));
    himmel.setColorAt(1.0, QColor(214, 230, 242));
    p.fillRect(QRectF(0, 0, w, bordstein), himmel);

    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        const double cx = 40 + i * (w - 80) / 2.0 + zufall.bounded(60) - 30;
        const double basis = 52 + zufall.bounded(30);
        const double breite = 60 + zufall.bounded(40);
        QPainterPath wolke;
        const int puffs = 5;
        for (int k = 0; k < puffs; ++k) {
            const double t = (k + 0.5) / puffs;
            const double r = 9 + std::sin(t * std::numbers::pi) * (10 + zufall.bounded(6));
            QPainterPath puff;
            puff.addEllipse(QPointF(cx - breite / 2 + t * breite, basis - r * 0.7), r, r);
            wolke = wolke.united(puff);
        }
        QPainterPath boden;
        boden.addRect(QRectF(cx - breite, basis, breite * 2, 40));
        wolke = wolke.subtracted(boden);
        QLinearGradient licht(0, basis - 36, 0, basis);
        licht.setColorAt(0.0, QColor(255, 255, 255, 235));
        licht.setColorAt(1.0, QColor(222, 232, 244, 220));
        p.setBrush(licht);
        p.drawPath(wolke);
    }
}

// Row of houses in muted plaster colours.
void zeichneHaeuser(QPainter& p, double w, double bordstein, QRandomGenerator& zufall) {
    const QColor putz[] = {QColor(214, 196, 170), QColor(188, 200, 196), QColor(222, 210, 188),
                           QColor(200, 176, 168), QColor(186, 190, 206), QColor(216, 206, 160)};
    double x = -static_cast<double>(zufall.bounded(30));
    int farbe = static_cast<int>(zufall.bounded(6));
    while (x < w) {
        const double breite = 70 + zufall.bounded(50);
        const double hoehe = 95 + zufall.bounded(60);
        const double oben = bordstein - hoehe;
        const QColor c = putz[farbe % 6];
        farbe += 1 + static_cast<int>(zufall.bounded(2));
        QLinearGradient fassade(x, 0, x + breite, 0);
        fassade.setColorAt(0.0, c.lighter(104));
        fassade.setColorAt(1.0, c.darker(108));
        p.setBrush(fassade);
        p.drawRect(QRectF(x, oben, breite, hoehe));
        // Roof edge and windows.
        p.setBrush(c.darker(140));
        p.drawRect(QRectF(x - 2, oben - 5, breite + 4, 6));
        const int spalten = static_cast<int>(breite / 26);
        const double abstand = breite / spalten;
        for (double y = oben + 14; y + 22 < bordstein - 8; y += 30) {
            for (int s = 0; s < spalten; ++s) {
                const QRectF f(x + s * abstand + abstand * 0.28, y, abstand * 0.44, 19);
                QLinearGradient glas(f.topLeft(), f.bottomRight());
                glas.setColorAt(0.0, QColor(150, 178, 204));
                glas.setColorAt(1.0, QColor(92, 112, 136));
                p.setBrush(glas);
                p.drawRect(f);
                p.setBrush(c.lighter(115));
                p.drawRect(QRectF(f.left() - 1.5, f.bottom(), f.width() + 3, 2.5));
            }
        }
        x += breite;
    }
    // Haze pushes the houses back behind the car.
    QLinearGradient dunst(0, bordstein - 160, 0, bordstein);
    dunst.setColorAt(0.0, QColor(225, 235, 245, 40));
    dunst.setColorAt(1.0, QColor(225, 235, 245, 110));
    p.fillRect(QRectF(0, 0, w, bordstein), dunst);
}

// Pavement, kerb, road, lane marking.
void zeichneFahrbahn(QPainter& p, const QSize& groesse, double bordstein) {
    const double w = groesse.width();
    const double fahrbahn = bordstein + 16;
    QLinearGradient gehweg(0, bordstein, 0, fahrbahn);
    gehweg.setColorAt(0.0, QColor(196, 194, 188));
    gehweg.setColorAt(1.0, QColor(176, 174, 168));
    p.fillRect(QRectF(0, bordstein, w, fahrbahn - bordstein), gehweg);
    p.setPen(QPen(QColor(150, 148, 142), 1.0));
    for (double px = 8; px < w; px += 28)
        p.drawLine(QPointF(px, bordstein), QPointF(px - 6, fahrbahn));
    p.fillRect(QRectF(0, fahrbahn - 3, w, 3), QColor(214, 212, 206));
    QLinearGradient asphalt(0, fahrbahn, 0, groesse.height());
    asphalt.setColorAt(0.0, QColor(96, 98, 102));
    asphalt.setColorAt(1.0, QColor(70, 72, 76));
    p.fillRect(QRectF(0, fahrbahn, w, groesse.height() - fahrbahn), asphalt);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 236, 230));
    for (double px = 10; px < w; px += 70)
        p.drawRect(QRectF(px, groesse.height() - 14, 40, 4));
}

}  // namespace

void zeichneStrasseTag(QPainter& p, const QSize& groesse, quint32 saat) {
    const double w = groesse.width();
    const double bordstein = groesse.height() * 0.70;
    QRandomGenerator zufall(saat);
    zeichneHimmel(p, w, bordstein, zufall);
    zeichneHaeuser(p, w, bordstein, zufall);
    zeichneFahrbahn(p, groesse, bordstein);
}

}  // namespace kabrolux::bilder
