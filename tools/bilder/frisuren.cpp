#include "frisuren.h"

#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>
#include <numbers>

#include "malhilfen.h"

namespace kabrolux::bilder {

namespace {

// One pointed lock of hair, from its root in the given direction (degrees,
// 0 = right, 90 = down).
QPainterPath locke(QPointF ansatz, double winkel, double laenge, double breite) {
    const double w = winkel * std::numbers::pi / 180.0;
    const QPointF r(std::cos(w), std::sin(w));
    const QPointF q(-r.y(), r.x());
    const QPointF spitze = ansatz + r * laenge;
    QPainterPath p;
    p.moveTo(ansatz + q * breite);
    p.quadTo(ansatz + r * (laenge * 0.6) + q * (breite * 0.7), spitze);
    p.quadTo(ansatz + r * (laenge * 0.6) - q * (breite * 0.7), ansatz - q * breite);
    p.closeSubpath();
    return p;
}

// Outline bumped by a chain of small circles: curls.
QPainterPath lockig(const QPainterPath& grund, double radius, double schritt) {
    QPainterPath p = grund;
    const double laenge = grund.length();
    for (double s = 0; s < laenge; s += schritt) {
        const QPointF q = grund.pointAtPercent(grund.percentAtLength(s));
        QPainterPath kreis;
        kreis.addEllipse(q, radius, radius);
        p = p.united(kreis);
    }
    return p;
}

QPainterPath vorneSeitenscheitel(double cx, double w, double top) {
    QPainterPath p;
    // Parted on the left, swept over to the right with a little quiff.
    p.moveTo(cx - w - 2, 108);
    p.cubicTo(cx - w - 8, 56, cx - w * 0.7, top - 2, cx - 16, top - 6);
    p.cubicTo(cx + w * 0.6, top - 8, cx + w + 8, 50, cx + w + 2, 108);
    p.lineTo(cx + w - 3, 108);
    p.cubicTo(cx + w - 4, 90, cx + w - 6, 78, cx + w - 12, 70);
    p.cubicTo(cx + 14, 76, cx - 10, 70, cx - 20, 60);
    p.cubicTo(cx - 28, 66, cx - w + 8, 70, cx - w + 4, 84);
    p.lineTo(cx - w + 3, 108);
    p.closeSubpath();
    return p;
}

QPainterPath vorneStrubbelig(double cx, double w, double top) {
    QPainterPath p;
    p.moveTo(cx - w - 2, 104);
    p.cubicTo(cx - w - 6, 56, cx - w * 0.7, top, cx, top);
    p.cubicTo(cx + w * 0.7, top, cx + w + 6, 56, cx + w + 2, 104);
    p.lineTo(cx + w - 3, 102);
    p.cubicTo(cx + w - 4, 84, cx + w - 8, 72, cx + w * 0.5, 68);
    p.cubicTo(cx + 10, 64, cx - 10, 64, cx - w * 0.5, 68);
    p.cubicTo(cx - w + 8, 72, cx - w + 4, 84, cx - w + 3, 102);
    p.closeSubpath();
    // Tousled locks standing up on the crown and falling onto the forehead.
    const double oben[][3] = {{-40, 200, 18}, {-30, 228, 22}, {-14, 250, 24}, {2, 268, 24},
                              {18, 288, 22},  {32, 310, 20},  {42, 330, 16}};
    for (const auto& o : oben) {
        p = p.united(locke(QPointF(cx + o[0], top + 16 + std::abs(o[0]) * 0.35), o[1], o[2], 8));
    }
    const double stirn[][3] = {
        {-30, 100, 16}, {-14, 84, 20}, {4, 96, 18}, {20, 76, 16}, {34, 66, 14}};
    for (const auto& s : stirn) {
        p = p.united(locke(QPointF(cx + s[0], 64), s[1], s[2], 7));
    }
    return p;
}

QPainterPath vorneLicht(double cx, double w, double top) {
    QPainterPath p;
    // Deep temples: the forehead runs up to a thin tuft on the crown.
    p.moveTo(cx - w - 2, 106);
    p.cubicTo(cx - w - 6, 58, cx - w * 0.7, top + 2, cx, top + 2);
    p.cubicTo(cx + w * 0.7, top + 2, cx + w + 6, 58, cx + w + 2, 106);
    p.lineTo(cx + w - 3, 104);
    p.cubicTo(cx + w - 3, 86, cx + w - 6, 74, cx + w - 12, 64);
    p.cubicTo(cx + 30, 46, cx + 22, 44, cx + 10, 50);
    p.quadTo(cx, 56, cx - 10, 50);
    p.cubicTo(cx - 22, 44, cx - 30, 46, cx - w + 12, 64);
    p.cubicTo(cx - w + 6, 74, cx - w + 3, 86, cx - w + 3, 104);
    p.closeSubpath();
    return p;
}

QPainterPath vorneHaarkranz(double cx, double w, double /*top*/) {
    QPainterPath p;
    QPainterPath l;
    l.moveTo(cx - w + 4, 80);
    l.cubicTo(cx - w - 6, 78, cx - w - 10, 96, cx - w - 6, 126);
    l.lineTo(cx - w + 1, 124);
    l.cubicTo(cx - w + 2, 104, cx - w + 2, 92, cx - w + 6, 84);
    l.closeSubpath();
    p = beideSeiten(l, cx);
    return p;
}

QPainterPath vorneKurzGrau(double cx, double w, double top) {
    QPainterPath p;
    p.moveTo(cx - w - 1, 104);
    p.cubicTo(cx - w - 6, 58, cx - w * 0.7, top + 2, cx, top + 2);
    p.cubicTo(cx + w * 0.7, top + 2, cx + w + 6, 58, cx + w + 1, 104);
    p.lineTo(cx + w - 3, 104);
    p.cubicTo(cx + w - 4, 84, cx + w - 8, 72, cx + w * 0.55, 62);
    p.cubicTo(cx + 16, 56, cx - 16, 56, cx - w * 0.55, 62);
    p.cubicTo(cx - w + 8, 72, cx - w + 4, 84, cx - w + 3, 104);
    p.closeSubpath();
    return p;
}

QPainterPath vorneLangGlatt(double cx, double w, double top) {
    QPainterPath p;
    QPainterPath l;
    l.moveTo(cx + 2, top);
    l.cubicTo(cx - w - 4, top, cx - w - 12, 76, cx - w - 10, 130);
    l.cubicTo(cx - w - 10, 160, cx - w - 6, 180, cx - w - 4, 196);
    l.lineTo(cx - w + 6, 190);
    l.cubicTo(cx - w + 4, 160, cx - w + 2, 110, cx - w + 8, 86);
    l.cubicTo(cx - 26, 62, cx - 8, 52, cx + 2, 44);
    l.closeSubpath();
    p = l.united(gespiegelt(l, cx + 2));
    return p;
}

QPainterPath vorneBob(double cx, double w, double top) {
    QPainterPath p;
    QPainterPath l;
    l.moveTo(cx, top - 2);
    l.cubicTo(cx - w - 8, top - 2, cx - w - 12, 80, cx - w - 10, 140);
    l.cubicTo(cx - w - 8, 170, cx - w + 2, 182, cx - w + 10, 180);
    l.cubicTo(cx - w + 6, 160, cx - w + 4, 120, cx - w + 6, 100);
    // Straight fringe across the brows.
    l.cubicTo(cx - w + 8, 86, cx - 20, 84, cx, 85);
    l.closeSubpath();
    p = l.united(gespiegelt(l, cx));
    return p;
}

QPainterPath vorneKurzFrau(double cx, double w, double top) {
    QPainterPath p;
    p.moveTo(cx - w - 1, 106);
    p.cubicTo(cx - w - 10, 60, cx - w * 0.6, top - 4, cx + 6, top - 4);
    p.cubicTo(cx + w * 0.8, top - 4, cx + w + 10, 60, cx + w + 2, 106);
    p.lineTo(cx + w - 3, 104);
    p.cubicTo(cx + w - 2, 84, cx + w - 6, 74, cx + w * 0.6, 66);
    // Side-swept fringe sweeping to the left temple.
    p.cubicTo(cx + 10, 64, cx - 10, 78, cx - w + 10, 90);
    p.cubicTo(cx - w + 4, 92, cx - w + 3, 100, cx - w + 3, 106);
    p.closeSubpath();
    return p;
}

QPainterPath vorneZopf(double cx, double w, double top) {
    QPainterPath p;
    p.moveTo(cx - w - 1, 104);
    p.cubicTo(cx - w - 6, 58, cx - w * 0.7, top + 1, cx, top + 1);
    p.cubicTo(cx + w * 0.7, top + 1, cx + w + 6, 58, cx + w + 1, 104);
    p.lineTo(cx + w - 3, 102);
    p.cubicTo(cx + w - 4, 80, cx + w - 14, 62, cx + 6, 58);
    p.cubicTo(cx - 2, 62, cx - 4, 62, cx - 8, 58);
    p.cubicTo(cx - w + 14, 62, cx - w + 4, 80, cx - w + 3, 102);
    p.closeSubpath();
    return p;
}

QPainterPath vorneLocken(double cx, double w, double top) {
    QPainterPath p;
    QPainterPath l;
    l.moveTo(cx + 10, top - 6);
    l.cubicTo(cx - w - 10, top - 6, cx - w - 18, 80, cx - w - 12, 140);
    l.cubicTo(cx - w - 10, 160, cx - w - 6, 170, cx - w + 2, 176);
    l.cubicTo(cx - w + 2, 140, cx - w + 2, 100, cx - w + 12, 82);
    l.cubicTo(cx - 20, 62, cx, 64, cx + 10, 60);
    l.cubicTo(cx + 24, 62, cx + w - 10, 70, cx + w - 6, 90);
    l.cubicTo(cx + w - 2, 120, cx + w, 150, cx + w + 2, 176);
    l.cubicTo(cx + w + 14, 160, cx + w + 18, 80, cx + w + 6, 60);
    l.cubicTo(cx + w - 4, top - 2, cx + 30, top - 6, cx + 10, top - 6);
    l.closeSubpath();
    p = lockig(l, 7, 10);
    return p;
}

QPainterPath vorneDutt(double cx, double w, double top) {
    QPainterPath p;
    p.moveTo(cx - w - 1, 104);
    p.cubicTo(cx - w - 8, 56, cx - w * 0.7, top, cx, top);
    p.cubicTo(cx + w * 0.7, top, cx + w + 8, 56, cx + w + 1, 104);
    p.lineTo(cx + w - 3, 104);
    p.cubicTo(cx + w - 4, 80, cx + w - 16, 60, cx, 58);
    p.cubicTo(cx - w + 16, 60, cx - w + 4, 80, cx - w + 3, 104);
    p.closeSubpath();
    return p;
}

}  // namespace

void fuelleHaar(QPainter& p, const QPainterPath& pfad, const QColor& haar, const QRectF& licht) {
    QRadialGradient g(licht.center(), licht.width());
    g.setColorAt(0.0, haar.lighter(135));
    g.setColorAt(0.6, haar);
    g.setColorAt(1.0, haar.darker(140));
    p.setBrush(g);
    p.setPen(QPen(haar.darker(170), 1.0));
    p.drawPath(pfad);
    // A soft sheen band, as on real hair under a studio light.
    p.save();
    p.setClipPath(pfad);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 36), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(licht.center().x() - 42, licht.center().y() - 22, 84, 70), 40 * 16, 100 * 16);
    p.restore();
}

// Fine strands give the flat colour a combed direction.
void haarStraehnen(QPainter& p, const QPainterPath& pfad, const QColor& haar, quint32 saat,
                   const QPointF& wirbel, int anzahl) {
    p.save();
    p.setClipPath(pfad);
    QRandomGenerator zufall(saat);
    const QRectF rahmen = pfad.boundingRect();
    for (int i = 0; i < anzahl; ++i) {
        const QPointF start(rahmen.left() + zufall.bounded(rahmen.width()),
                            rahmen.top() + zufall.bounded(rahmen.height()));
        QPointF richtung = start - wirbel;
        const double laenge = std::hypot(richtung.x(), richtung.y());
        if (laenge < 1) continue;
        richtung /= laenge;
        const double lang = 10 + zufall.bounded(16);
        const QPointF ende = start + richtung * lang;
        const QPointF quer(-richtung.y(), richtung.x());
        const QPointF bogen = (start + ende) / 2 + quer * (zufall.bounded(6.0) - 3.0);
        const bool hell = zufall.bounded(3) == 0;
        p.setPen(QPen(mitAlpha(hell ? haar.lighter(160) : haar.darker(145), hell ? 50 : 45),
                      hell ? 0.8 : 1.0, Qt::SolidLine, Qt::RoundCap));
        QPainterPath strich;
        strich.moveTo(start);
        strich.quadTo(bogen, ende);
        p.drawPath(strich);
    }
    p.restore();
}

// Little highlighted arcs read as springy curls.
void lockenGlanz(QPainter& p, const QPainterPath& pfad, const QColor& haar, quint32 saat) {
    p.save();
    p.setClipPath(pfad);
    QRandomGenerator zufall(saat);
    const QRectF rahmen = pfad.boundingRect();
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 140; ++i) {
        const QPointF q(rahmen.left() + zufall.bounded(rahmen.width()),
                        rahmen.top() + zufall.bounded(rahmen.height()));
        const double r = 3 + zufall.bounded(3.0);
        p.setPen(QPen(mitAlpha(haar.lighter(260), 60), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(q.x() - r, q.y() - r, 2 * r, 2 * r),
                  static_cast<int>(zufall.bounded(360)) * 16, 200 * 16);
    }
    p.restore();
}

// Hair that lies behind the head and neck, possibly over the shoulders.
QPainterPath haarHinten(const Person& m, const Kopf& k) {
    const double cx = k.cx;
    const double w = k.breite;
    QPainterPath p;
    switch (m.frisur) {
        case Frisur::LangGlatt: {
            // Only the sides show; the middle is hidden by face and neck.
            QPainterPath l;
            l.moveTo(cx, k.scheitel - 8);
            l.cubicTo(cx - w - 8, k.scheitel - 8, cx - w - 16, 80, cx - w - 16, 130);
            l.cubicTo(cx - w - 16, 180, cx - w - 22, 214, cx - w - 18, 244);
            l.cubicTo(cx - w - 4, 236, cx - w + 8, 240, cx - w + 18, 232);
            l.cubicTo(cx - w + 16, 200, cx - 24, 170, cx - 16, 150);
            l.lineTo(cx, 150);
            l.closeSubpath();
            p = l.united(gespiegelt(l, cx));
            break;
        }
        case Frisur::Bob: {
            QPainterPath l;
            l.moveTo(cx, k.scheitel - 10);
            l.cubicTo(cx - w - 12, k.scheitel - 10, cx - w - 16, 90, cx - w - 14, 150);
            l.cubicTo(cx - w - 12, 176, cx - w + 2, 186, cx - w + 12, 182);
            l.lineTo(cx, 182);
            l.closeSubpath();
            p = l.united(gespiegelt(l, cx));
            break;
        }
        case Frisur::Locken: {
            QPainterPath l;
            l.moveTo(cx, k.scheitel - 14);
            l.cubicTo(cx - w - 16, k.scheitel - 12, cx - w - 22, 90, cx - w - 20, 150);
            l.cubicTo(cx - w - 18, 182, cx - w - 6, 196, cx - w + 16, 192);
            l.lineTo(cx, 190);
            l.closeSubpath();
            QPainterPath grund = l.united(gespiegelt(l, cx));
            p = lockig(grund.simplified(), 9, 11);
            break;
        }
        case Frisur::Zopf: {
            // Ponytail brought forward over the right shoulder.
            p.moveTo(cx + 22, 150);
            p.cubicTo(cx + 50, 150, cx + 66, 170, cx + 64, 200);
            p.cubicTo(cx + 62, 226, cx + 54, 246, cx + 40, 262);
            p.cubicTo(cx + 40, 240, cx + 38, 214, cx + 28, 196);
            p.closeSubpath();
            break;
        }
        case Frisur::Dutt: {
            p.addEllipse(QPointF(cx + 6, k.scheitel - 4), 24, 20);
            break;
        }
        default:
            break;
    }
    return p;
}

// Hair lying on top of the skull and framing the face.
QPainterPath haarVorne(const Person& m, const Kopf& k) {
    const double cx = k.cx;
    const double w = k.breite;
    const double top = k.scheitel - 8;
    switch (m.frisur) {
        case Frisur::Seitenscheitel:
            return vorneSeitenscheitel(cx, w, top);
        case Frisur::Strubbelig:
            return vorneStrubbelig(cx, w, top);
        case Frisur::Licht:
            return vorneLicht(cx, w, top);
        case Frisur::Haarkranz:
            return vorneHaarkranz(cx, w, top);
        case Frisur::KurzGrau:
            return vorneKurzGrau(cx, w, top);
        case Frisur::LangGlatt:
            return vorneLangGlatt(cx, w, top);
        case Frisur::Bob:
            return vorneBob(cx, w, top);
        case Frisur::KurzFrau:
            return vorneKurzFrau(cx, w, top);
        case Frisur::Zopf:
            return vorneZopf(cx, w, top);
        case Frisur::Locken:
            return vorneLocken(cx, w, top);
        case Frisur::Dutt:
            return vorneDutt(cx, w, top);
    }
    return {};
}

}  // namespace kabrolux::bilder
