#include "kleidung.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include "malhilfen.h"

namespace kabrolux::bilder {

namespace {

// What shows inside the opening: a shirt, blouse or top.
void zeichneUnterteil(QPainter& p, const Person& m, const Kopf& k, const QPainterPath& rumpf,
                      const QPainterPath& oeffnung) {
    const double cx = k.cx;
    const double h = k.halsBreite;
    const QPainterPath innen = rumpf.intersected(oeffnung);
    stoffFuellen(p, innen, m.unterteil);
    if (m.kleidung == Kleidung::Sakko || m.kleidung == Kleidung::Strickjacke) {
        // Shirt collar points.
        QPainterPath kragen;
        kragen.moveTo(cx - h - 4, 180);
        kragen.lineTo(cx - 4, 206);
        kragen.lineTo(cx - h + 2, 212);
        kragen.lineTo(cx - h - 10, 190);
        kragen.closeSubpath();
        stoffFuellen(p, beideSeiten(kragen, cx), m.unterteil.lighter(106));
    }
    if (m.krawatte) {
        QPainterPath schlips;
        schlips.moveTo(cx - 5, 202);
        schlips.lineTo(cx + 5, 202);
        schlips.lineTo(cx + 8, 250);
        schlips.lineTo(cx, 262);
        schlips.lineTo(cx - 8, 250);
        schlips.closeSubpath();
        schlips.addRect(QRectF(cx - 6, 196, 12, 8));
        stoffFuellen(p, schlips, QColor(128, 30, 40));
    }
}

// Patterns and ribbing lie inside the cloth only.
void zeichneMuster(QPainter& p, const Person& m, const Kopf& k, const QPainterPath& stoff,
                   const QPainterPath& oeffnung) {
    const double cx = k.cx;
    p.save();
    p.setClipPath(stoff);
    switch (m.kleidung) {
        case Kleidung::Karohemd: {
            // Checked flannel: broad dark bands and thin light lines.
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 20, 20, 70));
            for (double x = 0; x < 242; x += 22)
                p.drawRect(QRectF(x, 180, 9, 90));
            for (double y = 184; y < 262; y += 22)
                p.drawRect(QRectF(0, y, 242, 9));
            p.setPen(QPen(QColor(255, 240, 220, 90), 1.0));
            for (double x = 15; x < 242; x += 22)
                p.drawLine(QPointF(x, 180), QPointF(x, 262));
            for (double y = 199; y < 262; y += 22)
                p.drawLine(QPointF(0, y), QPointF(242, y));
            break;
        }
        case Kleidung::Pullover: {
            // Ribbed neckband.
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(m.stoff.darker(120), 7));
            p.drawPath(oeffnung);
            p.setPen(QPen(m.stoff.darker(140), 0.8));
            for (int i = -8; i <= 8; ++i) {
                const double x = cx + i * 4.5;
                p.drawLine(QPointF(x, 196), QPointF(x, 212));
            }
            break;
        }
        case Kleidung::Shirt: {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(m.stoff.darker(125), 3));
            p.drawPath(oeffnung);
            break;
        }
        case Kleidung::Kapuze: {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(m.stoff.darker(118), 6));
            p.drawPath(oeffnung);
            break;
        }
        default:
            break;
    }
    p.restore();
}

void zeichneKragen(QPainter& p, const Person& m, const Kopf& k) {
    const double cx = k.cx;
    const double h = k.halsBreite;
    switch (m.kleidung) {
        case Kleidung::Polo: {
            QPainterPath kragen;
            kragen.moveTo(cx - h - 8, 182);
            kragen.cubicTo(cx - h - 14, 196, cx - h - 20, 206, cx - h - 24, 212);
            kragen.lineTo(cx - 2, 210);
            kragen.lineTo(cx - h + 2, 192);
            kragen.closeSubpath();
            stoffFuellen(p, beideSeiten(kragen, cx), m.stoff.lighter(108));
            p.setPen(QPen(m.stoff.darker(150), 1.2));
            p.drawLine(QPointF(cx, 204), QPointF(cx, 240));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(235, 235, 240));
            p.drawEllipse(QPointF(cx + 4, 218), 2.4, 2.4);
            p.drawEllipse(QPointF(cx + 4, 232), 2.4, 2.4);
            break;
        }
        case Kleidung::Karohemd: {
            QPainterPath kragen;
            kragen.moveTo(cx - h - 6, 182);
            kragen.lineTo(cx - 2, 206);
            kragen.lineTo(cx - h + 4, 214);
            kragen.lineTo(cx - h - 14, 196);
            kragen.closeSubpath();
            stoffFuellen(p, beideSeiten(kragen, cx), m.stoff.darker(110));
            break;
        }
        case Kleidung::Sakko:
        case Kleidung::Blazer: {
            // Lapels folded back from the opening.
            QPainterPath revers;
            revers.moveTo(cx - h - 8, 182);
            revers.lineTo(cx - 8, 262);
            revers.lineTo(cx - h - 12, 228);
            revers.lineTo(cx - h - 22, 222);
            revers.lineTo(cx - h - 14, 196);
            revers.closeSubpath();
            stoffFuellen(p, beideSeiten(revers, cx), m.stoff.darker(112));
            break;
        }
        case Kleidung::Bluse: {
            QPainterPath kragen;
            kragen.moveTo(cx - h - 6, 180);
            kragen.lineTo(cx - 2, 224);
            kragen.lineTo(cx - h - 4, 214);
            kragen.lineTo(cx - h - 20, 196);
            kragen.closeSubpath();
            stoffFuellen(p, beideSeiten(kragen, cx), m.stoff.lighter(112));
            break;
        }
        default:
            break;
    }
}

// Buttons of a cardigan, drawstrings of a hoodie.
void zeichneVerschluss(QPainter& p, const Person& m, const Kopf& k) {
    const double cx = k.cx;
    const double h = k.halsBreite;
    switch (m.kleidung) {
        case Kleidung::Strickjacke: {
            p.setPen(Qt::NoPen);
            p.setBrush(m.stoff.darker(160));
            for (double y = 246; y < 262; y += 14)
                p.drawEllipse(QPointF(cx + 5, y), 3, 3);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(m.stoff.darker(125), 4));
            QPainterPath kante;
            kante.moveTo(cx - h - 6, 180);
            kante.lineTo(cx, 240);
            kante.lineTo(cx + h + 6, 180);
            p.drawPath(kante);
            break;
        }
        case Kleidung::Kapuze: {
            // Drawstrings hanging from the neckline.
            p.setPen(QPen(QColor(236, 236, 236), 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(cx - 11, 197), QPointF(cx - 13, 240));
            p.drawLine(QPointF(cx + 11, 197), QPointF(cx + 12, 236));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 200, 200));
            p.drawRoundedRect(QRectF(cx - 15, 238, 4, 6), 1.5, 1.5);
            p.drawRoundedRect(QRectF(cx + 10, 234, 4, 6), 1.5, 1.5);
            break;
        }
        default:
            break;
    }
}

// Pearls along the neckline.
void zeichneKette(QPainter& p, const Kopf& k) {
    const double cx = k.cx;
    const double h = k.halsBreite;
    p.setPen(QPen(QColor(180, 176, 168), 0.6));
    for (int i = -6; i <= 6; ++i) {
        const double t = i / 6.0;
        const QPointF q(cx + t * (h + 6), 196 + 16 * (1 - t * t));
        QRadialGradient perle(q + QPointF(-1, -1), 3.4);
        perle.setColorAt(0.0, QColor(255, 255, 255));
        perle.setColorAt(1.0, QColor(214, 208, 196));
        p.setBrush(perle);
        p.drawEllipse(q, 3.0, 3.0);
    }
}

}  // namespace

QPainterPath ausschnitt(const Person& m, const Kopf& k) {
    const double cx = k.cx;
    const double h = k.halsBreite;
    QPainterPath p;
    switch (m.kleidung) {
        case Kleidung::Shirt:
        case Kleidung::Pullover:
            p.moveTo(cx - h - 8, 180);
            p.cubicTo(cx - h - 6, 214, cx + h + 6, 214, cx + h + 8, 180);
            p.closeSubpath();
            break;
        case Kleidung::Bluse:
        case Kleidung::Strickjacke:
            p.moveTo(cx - h - 6, 180);
            p.lineTo(cx, m.kleidung == Kleidung::Bluse ? 226 : 240);
            p.lineTo(cx + h + 6, 180);
            p.closeSubpath();
            break;
        case Kleidung::Blazer:
        case Kleidung::Sakko:
            p.moveTo(cx - h - 8, 180);
            p.lineTo(cx - 8, 268);
            p.lineTo(cx + 8, 268);
            p.lineTo(cx + h + 8, 180);
            p.closeSubpath();
            break;
        default:
            p.moveTo(cx - h - 4, 182);
            p.cubicTo(cx - h, 200, cx + h, 200, cx + h + 4, 182);
            p.closeSubpath();
            break;
    }
    return p;
}

void stoffFuellen(QPainter& p, const QPainterPath& pfad, const QColor& c) {
    const QRectF r = pfad.boundingRect();
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, c.lighter(118));
    g.setColorAt(1.0, c.darker(125));
    p.setBrush(g);
    p.setPen(QPen(c.darker(160), 1.2));
    p.drawPath(pfad);
}

void zeichneKleidung(QPainter& p, const Person& m, const Kopf& k) {
    const QPainterPath rumpf = rumpfPfad(k);
    const QPainterPath oeffnung = ausschnitt(m, k);
    if (m.unterteil.isValid()) zeichneUnterteil(p, m, k, rumpf, oeffnung);

    const QPainterPath stoff = rumpf.subtracted(oeffnung);
    stoffFuellen(p, stoff, m.stoff);
    zeichneMuster(p, m, k, stoff, oeffnung);

    p.setBrush(Qt::NoBrush);
    zeichneKragen(p, m, k);
    zeichneVerschluss(p, m, k);
    if (m.kette) zeichneKette(p, k);
}

}  // namespace kabrolux::bilder
