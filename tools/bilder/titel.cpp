#include "titel.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include "malhilfen.h"
#include "taxis.h"

namespace kabrolux::bilder {

namespace {

constexpr int breite = 400;
constexpr int hoehe = 300;
constexpr double horizont = 214;

void zeichneHochhaus(QPainter& p, const QRectF& r, const QColor& farbe, double anteilLicht,
                     QRandomGenerator& zufall, double fenster) {
    p.setPen(Qt::NoPen);
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0.0, farbe.lighter(115));
    g.setColorAt(1.0, farbe);
    p.setBrush(g);
    p.drawRect(r);
    const double abstand = fenster * 2.0;
    for (double y = r.top() + fenster; y + fenster < r.bottom(); y += abstand) {
        for (double x = r.left() + fenster * 0.8; x + fenster < r.right(); x += abstand) {
            if (zufall.generateDouble() > anteilLicht) continue;
            const int ton = static_cast<int>(zufall.bounded(40));
            p.setBrush(QColor(255, 200 + ton, 90 + ton * 2, 170 + ton * 2));
            p.drawRect(QRectF(x, y, fenster, fenster * 1.2));
        }
    }
}

// A light's smeared reflection on wet asphalt.
void spiegelung(QPainter& p, QPointF mitte, const QColor& farbe, int staerke) {
    QRadialGradient g(QPointF(0, 0), 1.0);
    g.setColorAt(0.0, mitAlpha(farbe, staerke));
    g.setColorAt(1.0, mitAlpha(farbe, 0));
    p.save();
    p.translate(mitte);
    p.scale(7, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    p.restore();
}

void zeichneNachthimmel(QPainter& p, QRandomGenerator& zufall) {
    QLinearGradient himmel(0, 0, 0, horizont);
    himmel.setColorAt(0.0, QColor(4, 6, 18));
    himmel.setColorAt(0.55, QColor(20, 24, 60));
    himmel.setColorAt(1.0, QColor(86, 52, 92));
    p.fillRect(QRectF(0, 0, breite, horizont), himmel);

    p.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        const QPointF stern(zufall.bounded(breite), zufall.bounded(140.0));
        const int hell = 80 + static_cast<int>(zufall.bounded(170));
        p.setBrush(QColor(255, 255, 240, hell));
        const double r = zufall.bounded(10) == 0 ? 1.2 : 0.6;
        p.drawEllipse(stern, r, r);
    }
    // Moon with a faint halo.
    const QPointF mond(352, 112);
    QRadialGradient hof(mond, 40);
    hof.setColorAt(0.0, QColor(255, 250, 220, 70));
    hof.setColorAt(1.0, QColor(255, 250, 220, 0));
    p.setBrush(hof);
    p.drawEllipse(mond, 40, 40);
    QPainterPath scheibe;
    scheibe.addEllipse(mond, 13, 13);
    QPainterPath schatten;
    schatten.addEllipse(mond + QPointF(-6, -3), 12, 12);
    p.setBrush(QColor(250, 244, 214));
    p.drawPath(scheibe.subtracted(schatten));
}

// Television tower, its sphere just below the title.
void zeichneFernsehturm(QPainter& p, const QColor& fern) {
    const double tx = 292;
    const double kugel = horizont - 96;
    p.setBrush(fern.darker(110));
    QPolygonF schaft;
    schaft << QPointF(tx - 4, horizont) << QPointF(tx - 2, kugel) << QPointF(tx + 2, kugel)
           << QPointF(tx + 4, horizont);
    p.drawPolygon(schaft);
    p.drawEllipse(QPointF(tx, kugel), 8, 8);
    p.drawRect(QRectF(tx - 1, kugel - 24, 2, 18));
    p.setBrush(QColor(255, 60, 60));
    p.drawEllipse(QPointF(tx, kugel - 25), 1.6, 1.6);
    p.setBrush(QColor(255, 210, 120, 200));
    for (int i = -2; i <= 2; ++i)
        p.drawRect(QRectF(tx + i * 2.8 - 0.8, kugel - 1, 1.6, 2));
}

// Far skyline with a television tower, then the nearer blocks.
void zeichneSkyline(QPainter& p, QRandomGenerator& zufall) {
    const QColor fern(34, 34, 64);
    double x = -10;
    while (x < breite) {
        const double b = 18 + zufall.bounded(26);
        const double h = 40 + zufall.bounded(60);
        zeichneHochhaus(p, QRectF(x, horizont - h, b, h + 2), fern, 0.18, zufall, 2.2);
        x += b - 2;
    }
    zeichneFernsehturm(p, fern);
    const QColor nah(18, 18, 34);
    x = -6;
    while (x < breite) {
        const double b = 34 + zufall.bounded(36);
        const double h = 26 + zufall.bounded(52);
        zeichneHochhaus(p, QRectF(x, horizont - h, b, h + 2), nah, 0.45, zufall, 3.2);
        x += b + zufall.bounded(6);
    }
}

// Road: wet asphalt mirrors the lights.
void zeichneStrasseNachts(QPainter& p) {
    QLinearGradient gehweg(0, horizont, 0, horizont + 10);
    gehweg.setColorAt(0.0, QColor(44, 42, 52));
    gehweg.setColorAt(1.0, QColor(30, 30, 38));
    p.fillRect(QRectF(0, horizont, breite, 10), gehweg);
    QLinearGradient strasse(0, horizont + 10, 0, hoehe);
    strasse.setColorAt(0.0, QColor(26, 26, 34));
    strasse.setColorAt(1.0, QColor(12, 12, 16));
    p.fillRect(QRectF(0, horizont + 10, breite, hoehe - horizont - 10), strasse);
    p.setBrush(QColor(150, 150, 140, 90));
    for (double lx = 6; lx < breite; lx += 56)
        p.drawRect(QRectF(lx, 286, 30, 3));
}

// Street lamps with warm pools of light.
void zeichneLaternen(QPainter& p) {
    for (double lx : {40.0, 364.0}) {
        p.setPen(QPen(QColor(50, 50, 60), 3));
        p.drawLine(QPointF(lx, horizont + 6), QPointF(lx, 130));
        p.drawLine(QPointF(lx, 130), QPointF(lx + (lx < 200 ? 12 : -12), 126));
        p.setPen(Qt::NoPen);
        const QPointF kopf(lx + (lx < 200 ? 14 : -14), 128);
        QRadialGradient schein(kopf, 46);
        schein.setColorAt(0.0, QColor(255, 214, 140, 150));
        schein.setColorAt(1.0, QColor(255, 214, 140, 0));
        p.setBrush(schein);
        p.drawEllipse(kopf, 46, 46);
        p.setBrush(QColor(255, 236, 190));
        p.drawEllipse(kopf, 4, 2.5);
        spiegelung(p, QPointF(kopf.x(), horizont + 40), QColor(255, 200, 120), 50);
    }
}

// The taxi, with lights on.
void zeichneTaxiNachts(QPainter& p) {
    const Modell m = modellKompakt();
    const double massstab = 0.74;
    const double links = (breite - m.laenge * massstab) / 2.0;
    const double boden = 262;
    p.save();
    p.translate(links, boden);
    p.scale(massstab, massstab);
    // Headlight beam reaching out ahead of the car.
    QLinearGradient kegel(m.laenge, 0, m.laenge + 170, 0);
    kegel.setColorAt(0.0, QColor(255, 245, 200, 120));
    kegel.setColorAt(1.0, QColor(255, 245, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(kegel);
    QPolygonF strahl;
    strahl << auf(m.laenge - 4, 58) << auf(m.laenge + 180, 70) << auf(m.laenge + 180, -6)
           << auf(m.laenge - 4, 50);
    p.drawPolygon(strahl);
    zeichneTaxi(p, m, true);
    p.restore();
    // Reflections of the car's lights on the wet road.
    spiegelung(p, QPointF(links + 3, boden + 14), QColor(230, 40, 40), 70);
    spiegelung(p, QPointF(links + (m.laenge - 6) * massstab, boden + 14), QColor(255, 240, 200),
               80);
}

// The name, gold on the night sky with a dark rim for contrast.
void zeichneName(QPainter& p) {
    QFont schrift(QStringLiteral("DejaVu Serif"));
    schrift.setBold(true);
    schrift.setPixelSize(58);
    schrift.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    QPainterPath text;
    text.addText(0, 0, schrift, QStringLiteral("Kabrolux"));
    const QRectF tr = text.boundingRect();
    text.translate((breite - tr.width()) / 2.0 - tr.left(), 68 - tr.bottom() + tr.height() / 2);
    const QRectF lage = text.boundingRect();
    p.setPen(Qt::NoPen);
    for (int i = 6; i >= 1; --i) {
        p.setBrush(Qt::NoBrush);
        p.setPen(
            QPen(QColor(255, 200, 60, 12), i * 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(text);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 160));
    p.drawPath(text.translated(2.5, 3));
    QLinearGradient gold(0, lage.top(), 0, lage.bottom());
    gold.setColorAt(0.0, QColor(255, 246, 180));
    gold.setColorAt(0.5, QColor(255, 212, 60));
    gold.setColorAt(1.0, QColor(214, 150, 20));
    p.setBrush(gold);
    p.setPen(QPen(QColor(60, 36, 0), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(text);
}

// Fade every edge into the black window around the picture.
void zeichneRand(QPainter& p) {
    QLinearGradient oben(0, 0, 0, 24);
    oben.setColorAt(0.0, QColor(0, 0, 0, 255));
    oben.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, 0, breite, 24), oben);
    QLinearGradient unten(0, hoehe - 30, 0, hoehe);
    unten.setColorAt(0.0, QColor(0, 0, 0, 0));
    unten.setColorAt(1.0, QColor(0, 0, 0, 255));
    p.fillRect(QRectF(0, hoehe - 30, breite, 30), unten);
    QLinearGradient seiten(0, 0, breite, 0);
    seiten.setColorAt(0.0, QColor(0, 0, 0, 255));
    seiten.setColorAt(0.07, QColor(0, 0, 0, 0));
    seiten.setColorAt(0.93, QColor(0, 0, 0, 0));
    seiten.setColorAt(1.0, QColor(0, 0, 0, 255));
    p.fillRect(QRectF(0, 0, breite, hoehe), seiten);
    p.end();
}

}  // namespace

QImage titelBild() {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::black);  // the smoothed edges blend into it
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QRandomGenerator zufall(4711);
    zeichneNachthimmel(p, zufall);
    zeichneSkyline(p, zufall);
    zeichneStrasseNachts(p);
    zeichneLaternen(p);
    zeichneTaxiNachts(p);
    zeichneName(p);
    zeichneRand(p);
    p.end();
    return bild;
}

}  // namespace kabrolux::bilder
