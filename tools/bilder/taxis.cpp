#include "taxis.h"

#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "strasse.h"

namespace kabrolux::bilder {

namespace {

// Plain steel wheel: a small cap with a ring of holes.
void felgeStahl(QPainter& p, QPointF mitte, double rf, const QLinearGradient& metall) {
    p.setBrush(QColor(90, 92, 96));
    for (int i = 0; i < 6; ++i) {
        const double w = i * std::numbers::pi / 3.0;
        p.drawEllipse(mitte + QPointF(std::cos(w), std::sin(w)) * rf * 0.7, 2.2, 2.2);
    }
    p.setBrush(metall);
    p.setPen(QPen(QColor(90, 92, 96), 1.0));
    p.drawEllipse(mitte, rf * 0.42, rf * 0.42);
}

void felgeSchlitze(QPainter& p, QPointF mitte, double rf, const QLinearGradient& metall) {
    p.setBrush(QColor(70, 72, 76));
    for (int i = 0; i < 10; ++i) {
        const double w = i * std::numbers::pi / 5.0;
        const QPointF innen = mitte + QPointF(std::cos(w), std::sin(w)) * rf * 0.48;
        const QPointF aussen = mitte + QPointF(std::cos(w), std::sin(w)) * rf * 0.86;
        p.setPen(QPen(QColor(70, 72, 76), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(innen, aussen);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(metall);
    p.drawEllipse(mitte, rf * 0.34, rf * 0.34);
}

// Alloy rims: dark openings between the spokes.
void felgeSpeichen(QPainter& p, int felge, QPointF mitte, double rf,
                   const QLinearGradient& metall) {
    const int speichen = felge == 2 ? 5 : 10;
    const double breite = felge == 2 ? 0.42 : 0.2;
    p.setBrush(QColor(40, 42, 46));
    for (int i = 0; i < speichen; ++i) {
        const double w0 = (i + breite) * 2.0 * std::numbers::pi / speichen;
        const double w1 = (i + 1.0 - breite) * 2.0 * std::numbers::pi / speichen;
        QPainterPath loch;
        const double ri = rf * 0.38;
        const double ra = rf * 0.86;
        loch.moveTo(mitte + QPointF(std::cos(w0), std::sin(w0)) * ri);
        loch.lineTo(mitte + QPointF(std::cos(w0), std::sin(w0)) * ra);
        loch.arcTo(QRectF(mitte.x() - ra, mitte.y() - ra, 2 * ra, 2 * ra),
                   -w0 * 180.0 / std::numbers::pi, -(w1 - w0) * 180.0 / std::numbers::pi);
        loch.lineTo(mitte + QPointF(std::cos(w1), std::sin(w1)) * ri);
        loch.closeSubpath();
        p.drawPath(loch);
    }
    p.setBrush(metall);
    p.setPen(QPen(QColor(80, 82, 88), 1.0));
    p.drawEllipse(mitte, rf * 0.24, rf * 0.24);
}

void zeichneRad(QPainter& p, const Modell& m, double x, bool nacht) {
    const double r = m.radRadius;
    const QPointF mitte = auf(x, r);

    QRadialGradient reifen(mitte, r);
    reifen.setColorAt(0.0, QColor(40, 40, 42));
    reifen.setColorAt(0.85, QColor(28, 28, 30));
    reifen.setColorAt(1.0, QColor(12, 12, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(reifen);
    p.drawEllipse(mitte, r, r);

    const double rf = r * (m.felge >= 2 ? 0.68 : 0.6);
    QLinearGradient metall(mitte + QPointF(-rf, -rf), mitte + QPointF(rf, rf));
    const QColor hell = nacht ? QColor(150, 150, 160) : QColor(235, 237, 240);
    const QColor dunkel = nacht ? QColor(70, 70, 80) : QColor(128, 132, 138);
    metall.setColorAt(0.0, hell);
    metall.setColorAt(1.0, dunkel);
    p.setBrush(metall);
    p.setPen(QPen(QColor(60, 60, 64), 1.0));
    p.drawEllipse(mitte, rf, rf);

    p.setPen(Qt::NoPen);
    switch (m.felge) {
        case 0:
            felgeStahl(p, mitte, rf, metall);
            break;
        case 1:
            felgeSchlitze(p, mitte, rf, metall);
            break;
        default:
            felgeSpeichen(p, m.felge, mitte, rf, metall);
            break;
    }
}

// The yellow roof sign every German taxi carries.
void zeichneDachschild(QPainter& p, const Modell& m, bool nacht) {
    const double b = 46;
    const double h = 17;
    const QRectF schild(m.dachMitte - b / 2, -(m.dachHoehe + 3 + h), b, h);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    p.drawRoundedRect(QRectF(m.dachMitte - b / 2 + 6, -(m.dachHoehe + 4), b - 12, 4), 1.5, 1.5);
    if (nacht) {
        QRadialGradient schein(schild.center(), b);
        schein.setColorAt(0.0, QColor(255, 220, 90, 150));
        schein.setColorAt(1.0, QColor(255, 220, 90, 0));
        p.setBrush(schein);
        p.drawEllipse(schild.center(), b, b * 0.8);
    }
    QLinearGradient gelb(schild.topLeft(), schild.bottomLeft());
    gelb.setColorAt(0.0, nacht ? QColor(255, 246, 170) : QColor(255, 232, 80));
    gelb.setColorAt(1.0, nacht ? QColor(255, 214, 40) : QColor(236, 190, 20));
    p.setBrush(gelb);
    p.setPen(QPen(QColor(25, 25, 25), 1.6));
    QPainterPath form;
    form.addRoundedRect(schild, 4, 4);
    p.drawPath(form);
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setBold(true);
    schrift.setPixelSize(13);
    schrift.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    p.setFont(schrift);
    p.setPen(QColor(15, 15, 15));
    p.drawText(schild.adjusted(0, 1, 1, 0), Qt::AlignCenter, QStringLiteral("TAXI"));
}

// The ivory paint, as lit by day or under street lamps.
struct Lack {
    QColor elfenbein;
    QColor licht;
    QColor schatten;
};

Lack lackFuer(bool nacht) {
    return {nacht ? QColor(178, 166, 134) : QColor(230, 220, 180),
            nacht ? QColor(214, 204, 172) : QColor(250, 244, 222),
            nacht ? QColor(80, 72, 58) : QColor(168, 156, 120)};
}

// Soft shadow on the road.
void zeichneSchatten(QPainter& p, const Modell& m) {
    QRadialGradient g(auf(m.laenge / 2, 0), m.laenge * 0.55);
    g.setColorAt(0.0, QColor(0, 0, 0, 120));
    g.setColorAt(0.7, QColor(0, 0, 0, 60));
    g.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.save();
    p.translate(auf(m.laenge / 2, 0));
    p.scale(1.0, 0.09);
    p.translate(-auf(m.laenge / 2, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(auf(m.laenge / 2, 0), m.laenge * 0.56, m.laenge * 0.56);
    p.restore();
}

// Body: lighter shoulder, darker sills, like a sky lit from above.
QLinearGradient lackVerlauf(const Modell& m, const Lack& l) {
    QLinearGradient lack(auf(0, m.dachHoehe), auf(0, 0));
    lack.setColorAt(0.0, l.licht);
    lack.setColorAt(0.28, l.elfenbein);
    lack.setColorAt(0.30, l.licht);
    lack.setColorAt(0.34, l.elfenbein);
    lack.setColorAt(0.7, mische(l.elfenbein, l.schatten, 0.35));
    lack.setColorAt(1.0, l.schatten);
    return lack;
}

// Draws the body with dark wheel wells and returns its outline without them.
QPainterPath zeichneKarosse(QPainter& p, const Modell& m, const Lack& l,
                            const QLinearGradient& lack) {
    QPainterPath karosse = rundePfad(gespiegelt(m.karosserie));
    QPainterPath radkaesten;
    for (double x : {m.radHinten, m.radVorne}) {
        const double r = m.radRadius + 5;
        radkaesten.addEllipse(auf(x, m.radRadius), r, r);
    }
    const QPainterPath aussen = karosse.subtracted(radkaesten);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(18, 18, 20));
    p.drawPath(karosse.intersected(radkaesten));

    p.setBrush(lack);
    p.setPen(QPen(mische(l.schatten, Qt::black, 0.4), 1.2));
    p.drawPath(aussen);
    return aussen;
}

// Bumpers and rubbing strip.
void zeichneStossfaenger(QPainter& p, const Modell& m) {
    p.setPen(Qt::NoPen);
    QLinearGradient stoss(auf(0, 44), auf(0, m.bodenfrei));
    // Body-coloured bumpers only get a hint of shading, plastic ones a stronger one.
    stoss.setColorAt(0.0, m.stossfaenger.lighter(m.chrom ? 106 : 135));
    stoss.setColorAt(1.0, m.stossfaenger.darker(m.chrom ? 118 : 130));
    p.setBrush(stoss);
    p.drawRoundedRect(QRectF(auf(-2, 44), auf(34, m.bodenfrei - 2)), 5, 5);
    p.drawRoundedRect(QRectF(auf(m.laenge - 40, 42), auf(m.laenge + 2, m.bodenfrei - 2)), 5, 5);
    if (m.chrom) {
        QLinearGradient glanz(auf(0, 41), auf(0, 37));
        glanz.setColorAt(0.0, QColor(250, 250, 252));
        glanz.setColorAt(1.0, QColor(120, 124, 130));
        p.setBrush(glanz);
        p.drawRect(QRectF(auf(-2, 41), auf(m.laenge + 2, 38)));
    } else {
        p.setBrush(m.stossfaenger);
        p.drawRect(QRectF(auf(30, 44), auf(m.laenge - 36, 38)));
    }
}

void zeichneTueren(QPainter& p, const Modell& m, const Lack& l) {
    p.setPen(QPen(mitAlpha(mische(l.schatten, Qt::black, 0.5), 200), 1.1));
    p.setBrush(Qt::NoBrush);
    for (double x : m.tuerFugen) {
        QPainterPath fuge;
        fuge.moveTo(auf(x, m.guertel + 2));
        fuge.cubicTo(auf(x + 1, 50), auf(x - 1, 30), auf(x + 2, m.bodenfrei));
        p.drawPath(fuge);
    }
    p.setPen(m.chrom ? QPen(QColor(120, 114, 96), 0.8) : QPen(Qt::NoPen));
    for (double x : m.griffe) {
        p.setBrush(m.chrom ? QColor(230, 232, 236) : QColor(45, 45, 48));
        p.drawRoundedRect(QRectF(auf(x, m.guertel - 11), QSizeF(16, 4)), 2, 2);
    }
}

// Tail light and headlight wrap round the corners.
void zeichneLeuchten(QPainter& p, const Modell& m, bool nacht) {
    QLinearGradient rot(auf(0, 70), auf(0, 50));
    rot.setColorAt(0.0, QColor(230, 40, 40));
    rot.setColorAt(1.0, QColor(150, 10, 15));
    p.setBrush(rot);
    const double heckOben = m.karosserie[2].y;
    p.drawRoundedRect(QRectF(auf(-2, std::min(heckOben - 4, 70.0)), auf(9, 50)), 2.5, 2.5);
    p.setBrush(QColor(255, 160, 40));
    p.drawRoundedRect(QRectF(auf(m.laenge - 10, 46), auf(m.laenge + 2, 41)), 1.5, 1.5);
    QLinearGradient scheinwerfer(auf(m.laenge - 14, 62), auf(m.laenge, 50));
    scheinwerfer.setColorAt(0.0, QColor(255, 255, 255));
    scheinwerfer.setColorAt(1.0, nacht ? QColor(255, 240, 190) : QColor(190, 200, 210));
    p.setBrush(scheinwerfer);
    p.setPen(QPen(QColor(90, 90, 96), 1.0));
    p.drawRoundedRect(QRectF(auf(m.laenge - 14, 61), auf(m.laenge + 2, 49)), 3, 3);
}

// Everything painted onto the sheet metal stays inside the body outline.
void zeichneBlech(QPainter& p, const Modell& m, const QPainterPath& aussen, const Lack& l,
                  bool nacht) {
    p.save();
    p.setClipPath(aussen);

    // Shoulder crease catches the light.
    p.setPen(QPen(mitAlpha(Qt::white, nacht ? 50 : 150), 1.4));
    p.drawLine(auf(0, m.guertel - 6), auf(m.laenge, m.guertel - 6));
    p.setPen(QPen(mitAlpha(l.schatten, 180), 1.0));
    p.drawLine(auf(0, m.guertel - 8), auf(m.laenge, m.guertel - 8));

    zeichneStossfaenger(p, m);
    zeichneTueren(p, m, l);
    zeichneLeuchten(p, m, nacht);
    p.restore();
}

// Glass with a sky reflection, pillars between the windows.
void zeichneFenster(QPainter& p, const Modell& m, bool nacht) {
    const QPainterPath glas = rundePfad(gespiegelt(m.fenster));
    QLinearGradient scheibe(auf(0, m.dachHoehe), auf(0, m.guertel));
    scheibe.setColorAt(0.0, nacht ? QColor(20, 24, 36) : QColor(48, 62, 80));
    scheibe.setColorAt(1.0, nacht ? QColor(40, 46, 60) : QColor(120, 142, 166));
    p.setBrush(scheibe);
    p.setPen(m.chrom ? QPen(QColor(215, 218, 222), 2.0) : QPen(QColor(30, 30, 34), 2.0));
    p.drawPath(glas);
    p.save();
    p.setClipPath(glas);
    p.setPen(Qt::NoPen);
    QLinearGradient spiegelung(auf(0, m.dachHoehe), auf(60, m.guertel));
    spiegelung.setColorAt(0.0, QColor(255, 255, 255, 0));
    spiegelung.setColorAt(0.5, QColor(255, 255, 255, nacht ? 25 : 70));
    spiegelung.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(spiegelung);
    for (double x = 0; x < m.laenge; x += 90) {
        QPolygonF band;
        band << auf(x + 30, m.dachHoehe) << auf(x + 58, m.dachHoehe) << auf(x + 28, m.guertel)
             << auf(x + 0, m.guertel);
        p.drawPolygon(band);
    }
    p.setBrush(QColor(28, 28, 32));
    for (const auto& [unten, oben] : m.saeulen) {
        QPolygonF saeule;
        saeule << auf(unten - 4, m.guertel - 2) << auf(oben - 4, m.dachHoehe)
               << auf(oben + 4, m.dachHoehe) << auf(unten + 4, m.guertel - 2);
        p.drawPolygon(saeule);
    }
    p.restore();
}

// Mirror at the foot of the windscreen; estates carry roof rails.
void zeichneAnbauten(QPainter& p, const Modell& m, const Lack& l, const QLinearGradient& lack) {
    const Ecke& scheibeFuss = m.fenster.back();
    p.setPen(QPen(mische(l.schatten, Qt::black, 0.4), 1.0));
    p.setBrush(m.chrom ? QBrush(lack) : QBrush(m.stossfaenger));
    p.drawRoundedRect(QRectF(auf(scheibeFuss.x - 18, scheibeFuss.y + 12), QSizeF(14, 11)), 4, 4);

    if (m.dachreling) {
        p.setPen(QPen(QColor(40, 40, 44), 3.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(auf(m.karosserie[3].x + 8, m.dachHoehe + 3),
                   auf(m.karosserie[4].x - 12, m.dachHoehe + 3));
    }
}

}  // namespace

void zeichneTaxi(QPainter& p, const Modell& m, bool nacht) {
    const Lack l = lackFuer(nacht);
    const QLinearGradient lack = lackVerlauf(m, l);
    zeichneSchatten(p, m);
    const QPainterPath aussen = zeichneKarosse(p, m, l, lack);
    zeichneBlech(p, m, aussen, l, nacht);
    zeichneFenster(p, m, nacht);
    zeichneAnbauten(p, m, l, lack);
    zeichneDachschild(p, m, nacht);
    zeichneRad(p, m, m.radHinten, nacht);
    zeichneRad(p, m, m.radVorne, nacht);
}

QImage taxiBild(int nummer) {
    QImage bild(450, 306, QImage::Format_RGB32);
    bild.fill(Qt::black);  // the smoothed edges blend into it
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    zeichneStrasseTag(p, bild.size(), 1000 + static_cast<quint32>(nummer));
    const Modell m = modell(nummer);
    p.translate((bild.width() - m.laenge) / 2.0, 272);
    zeichneTaxi(p, m, false);
    p.end();
    return bild;
}

}  // namespace kabrolux::bilder
