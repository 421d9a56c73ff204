#include "gesicht.h"

#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>

#include "frisuren.h"
#include "malhilfen.h"

namespace kabrolux::bilder {

namespace {

void zeichneAuge(QPainter& p, const Person& m, QPointF mitte, bool rechts) {
    const double b = 10.5;
    const double h = m.frau ? 5.8 : 5.0;
    QPainterPath form;
    form.moveTo(mitte.x() - b, mitte.y());
    form.cubicTo(mitte.x() - b * 0.5, mitte.y() - h * 1.3, mitte.x() + b * 0.5, mitte.y() - h * 1.3,
                 mitte.x() + b, mitte.y());
    form.cubicTo(mitte.x() + b * 0.5, mitte.y() + h, mitte.x() - b * 0.5, mitte.y() + h,
                 mitte.x() - b, mitte.y());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 248, 244));
    p.drawPath(form);
    p.save();
    p.setClipPath(form);
    const QPointF iris = mitte + QPointF(rechts ? -0.6 : 0.6, 0.2);
    QRadialGradient g(iris, 5.2);
    g.setColorAt(0.0, m.augen.lighter(150));
    g.setColorAt(0.8, m.augen);
    g.setColorAt(1.0, m.augen.darker(160));
    p.setBrush(g);
    p.drawEllipse(iris, 5.2, 5.2);
    p.setBrush(QColor(18, 14, 12));
    p.drawEllipse(iris, 2.3, 2.3);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(iris + QPointF(-1.6, -1.8), 1.3, 1.3);
    p.restore();
    // Upper lid line, heavier with lashes.
    QPainterPath lid;
    lid.moveTo(mitte.x() - b - 0.5, mitte.y() + 0.5);
    lid.cubicTo(mitte.x() - b * 0.5, mitte.y() - h * 1.35, mitte.x() + b * 0.5,
                mitte.y() - h * 1.35, mitte.x() + b + 0.5, mitte.y() + 0.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(50, 32, 26), m.frau ? 2.2 : 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(lid);
    if (m.frau) {
        const double seite = rechts ? 1.0 : -1.0;
        p.drawLine(QPointF(mitte.x() + seite * b, mitte.y()),
                   QPointF(mitte.x() + seite * (b + 3), mitte.y() - 2.5));
    }
    // Crease above the lid.
    p.setPen(QPen(mitAlpha(m.haut.darker(140), 110), 1.0));
    QPainterPath falte;
    falte.moveTo(mitte.x() - b * 0.8, mitte.y() - h - 1);
    falte.quadTo(mitte.x(), mitte.y() - h * 2.1, mitte.x() + b * 0.8, mitte.y() - h - 1);
    p.drawPath(falte);
}

void zeichneOhren(QPainter& p, const Person& m, const Kopf& k) {
    const double cx = k.cx;
    const double w = k.breite;
    const QColor haut = m.haut;
    const QColor hautDunkel = haut.darker(118);
    for (double seite : {-1.0, 1.0}) {
        const QPointF ohr(cx + seite * (w - 1), 116);
        QRadialGradient g(ohr, 12);
        g.setColorAt(0.0, haut);
        g.setColorAt(1.0, hautDunkel);
        p.setBrush(g);
        p.setPen(QPen(haut.darker(135), 1.0));
        p.drawEllipse(ohr, 8, 15);
        p.setPen(QPen(haut.darker(140), 1.4));
        p.drawArc(QRectF(ohr.x() - 4, ohr.y() - 9, 8, 16), seite > 0 ? -60 * 16 : 120 * 16,
                  180 * 16);
    }
}

// Skin lit from the upper left; returns the outline for what lies on it.
QPainterPath zeichneHaut(QPainter& p, const Person& m, const Kopf& k) {
    const double cx = k.cx;
    const double w = k.breite;
    const QColor haut = m.haut;
    const QColor hautDunkel = haut.darker(118);
    const QPainterPath gesicht = gesichtsPfad(k);
    QRadialGradient g(QPointF(cx - 8, 100), w * 1.6);
    g.setColorAt(0.0, haut.lighter(106));
    g.setColorAt(0.55, haut);
    g.setColorAt(1.0, hautDunkel);
    p.setBrush(g);
    p.setPen(QPen(haut.darker(140), 1.0));
    p.drawPath(gesicht);
    return gesicht;
}

// Age: forehead lines, crow's feet, folds beside the mouth.
void zeichneFalten(QPainter& p, const Person& m, const Kopf& k) {
    const double cx = k.cx;
    const int a = std::min(150, (m.alter - 36) * 6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(mitAlpha(m.haut.darker(145), a), 1.1, Qt::SolidLine, Qt::RoundCap));
    for (double seite : {-1.0, 1.0}) {
        QPainterPath falte;
        falte.moveTo(cx + seite * 12, 128);
        falte.cubicTo(cx + seite * 21, 138, cx + seite * 22, 146, cx + seite * 19, 154);
        p.drawPath(falte);
        for (int i = 0; i < 2; ++i) {
            const double y = k.augenY - 2 + i * 4;
            p.drawLine(QPointF(cx + seite * (k.augenAbstand + 13), y),
                       QPointF(cx + seite * (k.augenAbstand + 18), y - 1 + i * 3));
        }
    }
    if (m.alter >= 50) {
        for (int i = 0; i < 2; ++i) {
            const double y = 74 + i * 7;
            p.drawArc(QRectF(cx - 20, y, 40, 8), 30 * 16, 120 * 16);
        }
    }
}

// Cheeks, freckles and wrinkles, all kept inside the face.
void zeichneHautDetails(QPainter& p, const Person& m, const Kopf& k, const QPainterPath& gesicht,
                        quint32 saat) {
    const double cx = k.cx;
    p.save();
    p.setClipPath(gesicht);
    p.setPen(Qt::NoPen);

    // Cheeks.
    for (double seite : {-1.0, 1.0}) {
        QRadialGradient wange(QPointF(cx + seite * 26, 134), 16);
        wange.setColorAt(0.0, QColor(220, 110, 100, m.frau ? 60 : 26));
        wange.setColorAt(1.0, QColor(220, 110, 100, 0));
        p.setBrush(wange);
        p.drawEllipse(QPointF(cx + seite * 26, 134), 16, 12);
    }

    if (m.sommersprossen) {
        QRandomGenerator zufall(saat);
        p.setBrush(QColor(176, 104, 70, 120));
        for (int i = 0; i < 40; ++i) {
            const double seite = zufall.bounded(2) == 0 ? -1 : 1;
            const QPointF q(cx + seite * (8 + zufall.bounded(26.0)), 122 + zufall.bounded(16.0));
            p.drawEllipse(q, 1.0, 1.0);
        }
    }

    if (m.alter >= 40) zeichneFalten(p, m, k);
    p.restore();
}

void zeichneBrauen(QPainter& p, const Person& m, const Kopf& k) {
    const double cx = k.cx;
    for (double seite : {-1.0, 1.0}) {
        const double x = cx + seite * k.augenAbstand;
        QPainterPath braue;
        braue.moveTo(x - seite * 11, k.augenY - 10);
        braue.quadTo(x, k.augenY - (m.frau ? 19 : 16), x + seite * 12, k.augenY - 12);
        const QColor farbe =
            m.frisur == Frisur::Haarkranz || m.alter > 55 ? m.haar.darker(150) : m.haar.darker(130);
        p.setPen(QPen(farbe, m.frau ? 2.4 : 3.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(braue);
    }
}

// Nose: a shaded side and soft nostrils.
void zeichneNase(QPainter& p, const Person& m, const Kopf& k) {
    const double cx = k.cx;
    const QColor haut = m.haut;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(mitAlpha(haut.darker(135), 160), 1.4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath nase;
    nase.moveTo(cx - 4, k.augenY + 4);
    nase.cubicTo(cx - 6, 124, cx - 9, 130, cx - 8, 134);
    p.drawPath(nase);
    QPainterPath fluegel;
    fluegel.moveTo(cx - 9, 134);
    fluegel.quadTo(cx - 7, 139, cx - 2, 138);
    fluegel.moveTo(cx + 2, 138);
    fluegel.quadTo(cx + 7, 139, cx + 9, 134);
    p.setPen(QPen(haut.darker(150), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(fluegel);
    p.setPen(Qt::NoPen);
    p.setBrush(mitAlpha(Qt::white, 35));
    p.drawEllipse(QPointF(cx + 1, 130), 2.5, 3.5);
}

// Mouth: lips for women, a calm smile for everyone.
void zeichneMund(QPainter& p, const Person& m, const Kopf& k) {
    const double cx = k.cx;
    const QColor haut = m.haut;
    const double my = k.mundY;
    const double mb = m.frau ? 14 : 15;
    // Younger women wear brighter lipstick, older ones a muted tone.
    const QColor lippe = m.frau ? mische(QColor(214, 84, 100), QColor(166, 78, 86),
                                         std::clamp((m.alter - 20) / 35.0, 0.0, 1.0))
                                : haut.darker(128);
    QPainterPath oben;
    oben.moveTo(cx - mb, my);
    oben.cubicTo(cx - mb * 0.6, my - 5, cx - 4, my - 5, cx, my - 3);
    oben.cubicTo(cx + 4, my - 5, cx + mb * 0.6, my - 5, cx + mb, my);
    oben.cubicTo(cx + mb * 0.5, my + 2, cx - mb * 0.5, my + 2, cx - mb, my);
    QPainterPath unten;
    unten.moveTo(cx - mb, my);
    unten.cubicTo(cx - mb * 0.5, my + 2, cx + mb * 0.5, my + 2, cx + mb, my);
    unten.cubicTo(cx + mb * 0.6, my + 9, cx - mb * 0.6, my + 9, cx - mb, my);
    p.setBrush(lippe);
    p.drawPath(oben);
    p.setBrush(lippe.lighter(112));
    p.drawPath(unten);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(lippe.darker(150), 1.3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath spalt;
    spalt.moveTo(cx - mb - 1, my - 1);
    spalt.cubicTo(cx - mb * 0.5, my + 2.5, cx + mb * 0.5, my + 2.5, cx + mb + 1, my - 1);
    p.drawPath(spalt);
    p.setPen(Qt::NoPen);
    p.setBrush(mitAlpha(Qt::white, 40));
    p.drawEllipse(QPointF(cx + 2, my + 5), 4, 1.4);
}

}  // namespace

void zeichneGesicht(QPainter& p, const Person& m, const Kopf& k, quint32 saat) {
    zeichneOhren(p, m, k);
    const QPainterPath gesicht = zeichneHaut(p, m, k);
    zeichneHautDetails(p, m, k, gesicht, saat);
    zeichneBrauen(p, m, k);
    zeichneAuge(p, m, QPointF(k.cx - k.augenAbstand, k.augenY), false);
    zeichneAuge(p, m, QPointF(k.cx + k.augenAbstand, k.augenY), true);
    zeichneNase(p, m, k);
    zeichneMund(p, m, k);
}

void zeichneBart(QPainter& p, const Person& m, const Kopf& k, quint32 saat) {
    const double cx = k.cx;
    const double w = k.breite;
    const double my = k.mundY;
    QPainterPath bart;
    switch (m.bart) {
        case Bart::Keiner:
            return;
        case Bart::Schnurrbart:
            bart.moveTo(cx - 17, my + 1);
            bart.cubicTo(cx - 16, my - 10, cx - 4, my - 11, cx, my - 8);
            bart.cubicTo(cx + 4, my - 11, cx + 16, my - 10, cx + 17, my + 1);
            bart.cubicTo(cx + 10, my - 4, cx - 10, my - 4, cx - 17, my + 1);
            bart.closeSubpath();
            break;
        case Bart::Vollbart:
        case Bart::Kurzbart: {
            const bool voll = m.bart == Bart::Vollbart;
            const double unten = voll ? 10 : 3;
            const double wange = voll ? 130 : 138;
            QPainterPath kinn;
            kinn.moveTo(cx - w + 1, 112);
            kinn.cubicTo(cx - w + 2, wange + 2, cx - w + 10, wange, cx - 22, 142);
            kinn.cubicTo(cx - 18, 136, cx - 8, 134, cx, 136);
            kinn.cubicTo(cx + 8, 134, cx + 18, 136, cx + 22, 142);
            kinn.cubicTo(cx + w - 10, wange, cx + w - 2, wange + 2, cx + w - 1, 112);
            kinn.cubicTo(cx + w + 2, 150, cx + k.kiefer + 8, 160, cx + k.kiefer, 164);
            kinn.cubicTo(cx + k.kiefer - 10, k.kinn + unten, cx + 16, k.kinn + unten, cx,
                         k.kinn + unten);
            kinn.cubicTo(cx - 16, k.kinn + unten, cx - k.kiefer + 10, k.kinn + unten, cx - k.kiefer,
                         164);
            kinn.cubicTo(cx - k.kiefer - 8, 160, cx - w - 2, 150, cx - w + 1, 112);
            kinn.closeSubpath();
            // The lips stay free.
            QPainterPath mund;
            mund.addEllipse(QPointF(cx, my + 1), 13, 6);
            bart = kinn.subtracted(mund);
            break;
        }
    }
    const QColor farbe = m.bart == Bart::Kurzbart ? mische(m.haar, QColor(150, 146, 140), 0.25)
                                                  : m.haar.darker(m.alter > 55 ? 105 : 115);
    p.setBrush(mitAlpha(farbe, m.bart == Bart::Kurzbart ? 205 : 240));
    p.setPen(QPen(farbe.darker(130), 0.8));
    p.drawPath(bart);
    haarStraehnen(p, bart, farbe, saat, QPointF(cx, 60), 220);
}

void zeichneBrille(QPainter& p, const Person& m, const Kopf& k) {
    if (m.brille == Brille::Keine) return;
    const double cx = k.cx;
    const double y = k.augenY;
    const double a = k.augenAbstand;
    const double dicke = m.brille == Brille::Eckig ? 2.8 : 1.6;
    p.setPen(QPen(m.gestell, dicke));
    p.setBrush(QColor(255, 255, 255, 40));
    for (double seite : {-1.0, 1.0}) {
        const QPointF mitte(cx + seite * a, y + 1);
        switch (m.brille) {
            case Brille::Rund:
                p.drawEllipse(mitte, 13, 12);
                break;
            case Brille::Schmal:
                p.drawRoundedRect(QRectF(mitte.x() - 14, mitte.y() - 7, 28, 15), 6, 6);
                break;
            default:
                p.drawRoundedRect(QRectF(mitte.x() - 15, mitte.y() - 10, 30, 20), 4, 4);
                break;
        }
        p.drawLine(QPointF(cx + seite * (a + 14), y - 2),
                   QPointF(cx + seite * (k.breite + 1), y - 4));
    }
    p.setBrush(Qt::NoBrush);
    QPainterPath steg;
    steg.moveTo(cx - a + 13, y - 1);
    steg.quadTo(cx, y - 6, cx + a - 13, y - 1);
    p.drawPath(steg);
    // A glint on each lens.
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (double seite : {-1.0, 1.0}) {
        p.drawLine(QPointF(cx + seite * a - 8, y - 4), QPointF(cx + seite * a - 4, y - 8));
    }
}
}  // namespace kabrolux::bilder
