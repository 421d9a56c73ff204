#include "symbol.h"

#include <QFont>
#include <QPainter>

#include "malhilfen.h"

namespace kabrolux::bilder {

namespace {

// What the target size can show.
struct Stufe {
    bool schrift;  // lettering on the roof sign
    bool fein;     // glows, stars, grille bars
    bool mittel;   // outlines and number plate
    bool klein;    // enlarged lamps and roof sign
};

Stufe stufeFuer(int groesse) {
    const bool voll = groesse == 0;
    return {voll || groesse >= 64, voll || groesse >= 48, voll || groesse >= 32,
            !voll && groesse < 32};
}

// The taxi's paint, as in the game's pictures by day.
const QColor elfenbein(230, 220, 180);
const QColor lackLicht(250, 244, 222);
const QColor lackSchatten(168, 156, 120);

QPainterPath rechteck(const QRectF& r, double radius) {
    QPainterPath p;
    p.addRoundedRect(r, radius, radius);
    return p;
}

QPainterPath ellipse(QPointF mitte, double rx, double ry) {
    QPainterPath p;
    p.addEllipse(mitte, rx, ry);
    return p;
}

// Night sky in a rounded square, the wet road across its lower part.
void hintergrund(std::vector<Flaeche>& v) {
    const QPainterPath grund = rechteck(QRectF(8, 8, 240, 240), 48);
    v.push_back(linearFlaeche(
        grund, QPointF(0, 8), QPointF(0, 190),
        {{0.0, QColor(12, 16, 40)}, {0.6, QColor(30, 34, 80)}, {1.0, QColor(86, 52, 92)}}));
    QPainterPath band;
    band.addRect(QRectF(0, 184, 256, 72));
    v.push_back(linearFlaeche(grund.intersected(band), QPointF(0, 184), QPointF(0, 248),
                              {{0.0, QColor(44, 42, 52)}, {1.0, QColor(18, 18, 24)}}));
}

// Crescent moon and a few stars, only where there is room for them.
void himmel(std::vector<Flaeche>& v) {
    const QPainterPath mond =
        ellipse(QPointF(206, 54), 16, 16).subtracted(ellipse(QPointF(199, 49), 15, 15));
    v.push_back(vollFlaeche(mond, QColor(250, 244, 214)));
    const QPointF sterne[] = {{40, 48}, {66, 28}, {30, 100}, {226, 100}, {176, 24}, {148, 20}};
    QPainterPath punkte;
    for (const QPointF& s : sterne)
        punkte.addEllipse(s, 2.2, 2.2);
    v.push_back(vollFlaeche(punkte, QColor(255, 255, 240, 200)));
}

void raederUndSchatten(std::vector<Flaeche>& v) {
    v.push_back(rundFlaeche(ellipse(QPointF(128, 214), 108, 12), QPointF(128, 214), 108,
                            {{0.0, QColor(0, 0, 0, 150)}, {1.0, QColor(0, 0, 0, 0)}}));
    QPainterPath reifen = rechteck(QRectF(44, 174, 36, 46), 8);
    reifen.addPath(rechteck(QRectF(176, 174, 36, 46), 8));
    v.push_back(vollFlaeche(reifen, QColor(16, 16, 18)));
}

// Roof, pillars and the windscreen with a reflection of the sky.
void kabine(std::vector<Flaeche>& v, const Stufe& s) {
    const QPainterPath dach = rundePfad({{82, 76, 14}, {174, 76, 14}, {204, 134, 6}, {52, 134, 6}});
    v.push_back(
        linearFlaeche(dach, QPointF(0, 76), QPointF(0, 134), {{0.0, lackLicht}, {1.0, elfenbein}}));
    const QPainterPath scheibe =
        rundePfad({{91, 86, 8}, {165, 86, 8}, {188, 128, 4}, {68, 128, 4}});
    v.push_back(linearFlaeche(scheibe, QPointF(0, 86), QPointF(0, 128),
                              {{0.0, QColor(34, 44, 64)}, {1.0, QColor(96, 118, 146)}}));
    if (!s.fein) return;
    QPainterPath band;
    band.moveTo(104, 86);
    band.lineTo(124, 86);
    band.lineTo(100, 128);
    band.lineTo(80, 128);
    band.closeSubpath();
    v.push_back(vollFlaeche(scheibe.intersected(band), QColor(255, 255, 255, 46)));
}

// Body with its light shoulder and dark sills, bumper and grille.
void karosse(std::vector<Flaeche>& v, const Stufe& s) {
    Flaeche blech = linearFlaeche(rundePfad({{40, 128, 18},
                                             {216, 128, 18},
                                             {228, 162, 16},
                                             {226, 206, 10},
                                             {30, 206, 10},
                                             {28, 162, 16}}),
                                  QPointF(0, 128), QPointF(0, 206),
                                  {{0.0, lackLicht}, {0.4, elfenbein}, {1.0, lackSchatten}});
    if (s.mittel) {
        blech.linie = mische(lackSchatten, Qt::black, 0.45);
        blech.linienBreite = 3;
    }
    v.push_back(blech);
    v.push_back(linearFlaeche(rechteck(QRectF(30, 184, 196, 20), 8), QPointF(0, 184),
                              QPointF(0, 204),
                              {{0.0, QColor(82, 84, 90)}, {1.0, QColor(40, 42, 46)}}));
    if (s.mittel) {
        v.push_back(vollFlaeche(rechteck(QRectF(104, 188, 48, 12), 2), QColor(236, 236, 230)));
    }
    v.push_back(vollFlaeche(rechteck(QRectF(90, 148, 76, 24), 6), QColor(36, 36, 40)));
    if (!s.fein) return;
    QPainterPath stege;
    for (double y : {154.0, 159.0, 164.0})
        stege.addRect(QRectF(96, y, 64, 2));
    v.push_back(vollFlaeche(stege, QColor(96, 96, 104)));
}

void scheinwerfer(std::vector<Flaeche>& v, const Stufe& s) {
    const double r = s.klein ? 19 : 15;
    for (const QPointF mitte : {QPointF(60, 160), QPointF(196, 160)}) {
        if (s.fein) {
            v.push_back(
                rundFlaeche(ellipse(mitte, 42, 42), mitte, 42,
                            {{0.0, QColor(255, 240, 190, 120)}, {1.0, QColor(255, 240, 190, 0)}}));
        }
        Flaeche lampe = rundFlaeche(ellipse(mitte, r, r), mitte - QPointF(3, 3), r,
                                    {{0.0, QColor(255, 255, 244)}, {1.0, QColor(255, 222, 130)}});
        if (s.mittel) {
            lampe.linie = QColor(90, 90, 96);
            lampe.linienBreite = 2.5;
        }
        v.push_back(lampe);
    }
}

// The lit yellow roof sign; only large sizes can show its lettering.
void dachschild(std::vector<Flaeche>& v, const Stufe& s) {
    const QRectF rahmen = s.klein ? QRectF(82, 36, 92, 36) : QRectF(90, 42, 76, 30);
    v.push_back(
        vollFlaeche(rechteck(QRectF(106, rahmen.bottom() - 4, 44, 10), 2), QColor(30, 30, 30)));
    if (s.fein) {
        v.push_back(
            rundFlaeche(ellipse(rahmen.center(), 64, 44), rahmen.center(), 64,
                        {{0.0, QColor(255, 220, 90, 130)}, {1.0, QColor(255, 220, 90, 0)}}));
    }
    Flaeche schild = linearFlaeche(rechteck(rahmen, 7), rahmen.topLeft(), rahmen.bottomLeft(),
                                   {{0.0, QColor(255, 240, 130)}, {1.0, QColor(255, 204, 24)}});
    if (s.mittel) {
        schild.linie = QColor(25, 25, 25);
        schild.linienBreite = 3;
    }
    v.push_back(schild);
    if (!s.schrift) return;
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setBold(true);
    schrift.setPixelSize(21);
    QPainterPath text;
    text.addText(0, 0, schrift, QStringLiteral("TAXI"));
    const QRectF lage = text.boundingRect();
    text.translate(rahmen.center() - lage.center());
    v.push_back(vollFlaeche(text, QColor(15, 15, 15)));
}

}  // namespace

std::vector<Flaeche> symbolEntwurf(int groesse) {
    const Stufe s = stufeFuer(groesse);
    std::vector<Flaeche> v;
    hintergrund(v);
    if (s.fein) himmel(v);
    raederUndSchatten(v);
    kabine(v, s);
    karosse(v, s);
    scheinwerfer(v, s);
    dachschild(v, s);
    return v;
}

QImage symbolBild(int groesse) {
    QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(groesse) / symbolRaster, double(groesse) / symbolRaster);
    maleFlaechen(p, symbolEntwurf(groesse));
    p.end();
    return bild;
}

QString symbolSvg() {
    return alsSvg(symbolEntwurf(0), symbolRaster, QStringLiteral("Kabrolux"));
}

}  // namespace kabrolux::bilder
