#include "portraits.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "frisuren.h"
#include "gesicht.h"
#include "kleidung.h"
#include "kopf.h"
#include "malhilfen.h"
#include "personen.h"

namespace kabrolux::bilder {

namespace {

// Studio backdrop: bright behind the head, darker at the edges.
void zeichneHintergrund(QPainter& p, const QRect& rahmen, const Person& m, const Kopf& k) {
    QRadialGradient grund(QPointF(121, 100), 190);
    grund.setColorAt(0.0, m.hintergrund.lighter(112));
    grund.setColorAt(1.0, m.hintergrund.darker(128));
    p.fillRect(rahmen, grund);

    if (m.kleidung == Kleidung::Kapuze) {
        // The hood lies folded behind the neck.
        QPainterPath kapuze;
        kapuze.addEllipse(QPointF(k.cx, 190), k.halsBreite + 30, 24);
        stoffFuellen(p, kapuze, m.stoff.darker(112));
    }
}

// Neck and chest skin, shaded under the chin.
QPainterPath zeichneHals(QPainter& p, const Person& m, const Kopf& k) {
    const QPainterPath hals = halsPfad(k);
    QLinearGradient hg(0, 150, 0, 200);
    hg.setColorAt(0.0, m.haut.darker(135));
    hg.setColorAt(0.5, m.haut.darker(112));
    hg.setColorAt(1.0, m.haut);
    p.setBrush(hg);
    p.setPen(QPen(m.haut.darker(140), 1.0));
    p.drawPath(hals);
    return hals;
}

void zeichneHaarHinten(QPainter& p, const Person& m, const Kopf& k, const QPainterPath& hals,
                       quint32 saat) {
    const QPainterPath hinten = haarHinten(m, k);
    if (!hinten.isEmpty()) {
        const QPainterPath sichtbarerHals =
            hals.subtracted(rumpfPfad(k).subtracted(ausschnitt(m, k)));
        const QPainterPath haar = hinten.subtracted(sichtbarerHals);
        fuelleHaar(p, haar, m.haar.darker(115), QRectF(60, 30, 120, 120));
        if (m.frisur == Frisur::Locken) {
            lockenGlanz(p, haar, m.haar, saat + 3);
        } else {
            haarStraehnen(p, haar, m.haar.darker(115), saat, QPointF(121, 20), 160);
        }
    }
}

// Bald crowns, thin hair and greying temples.
void zeichneHaarAlter(QPainter& p, const Person& m, const Kopf& k, const QPainterPath& vorne,
                      quint32 saat) {
    if (m.frisur == Frisur::Licht) {
        // Scalp shows through the thin crown.
        p.save();
        p.setClipPath(vorne);
        QRadialGradient kopfhaut(QPointF(121, 44), 34);
        kopfhaut.setColorAt(0.0, mitAlpha(m.haut, 200));
        kopfhaut.setColorAt(1.0, mitAlpha(m.haut, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(kopfhaut);
        p.drawEllipse(QPointF(121, 44), 40, 26);
        p.restore();
    }
    if (m.frisur == Frisur::KurzGrau) {
        // Grey creeping in at the temples.
        p.save();
        p.setClipPath(vorne);
        p.setPen(Qt::NoPen);
        for (double seite : {-1.0, 1.0}) {
            const QPointF schlaefe(k.cx + seite * (k.breite + 2), 94);
            QRadialGradient grau(schlaefe, 26);
            grau.setColorAt(0.0, QColor(200, 198, 194, 220));
            grau.setColorAt(1.0, QColor(200, 198, 194, 0));
            p.setBrush(grau);
            p.drawEllipse(schlaefe, 26, 34);
        }
        p.restore();
        haarStraehnen(p, vorne, m.haar, saat + 2, QPointF(121, 90), 60);
    }
    if (m.frisur == Frisur::Haarkranz || m.frisur == Frisur::Licht) {
        // Light falling on the bare crown.
        QRadialGradient glanz(QPointF(108, 56), 22);
        glanz.setColorAt(0.0, QColor(255, 255, 255, 90));
        glanz.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glanz);
        p.drawEllipse(QPointF(108, 56), 24, 14);
    }
}

void zeichneHaarVorne(QPainter& p, const Person& m, const Kopf& k, quint32 saat) {
    const QPainterPath vorne = haarVorne(m, k);
    if (!vorne.isEmpty()) {
        fuelleHaar(p, vorne, m.haar, QRectF(70, 20, 70, 70));
        if (m.frisur == Frisur::Locken) {
            lockenGlanz(p, vorne, m.haar, saat);
        } else {
            haarStraehnen(p, vorne, m.haar, saat + 1, QPointF(121, 90), 180);
        }
    }
    zeichneHaarAlter(p, m, k, vorne, saat);
}

void zeichneOhrringe(QPainter& p, const Kopf& k) {
    p.setPen(QPen(QColor(212, 176, 72), 2.0));
    p.setBrush(Qt::NoBrush);
    for (double seite : {-1.0, 1.0}) {
        p.drawEllipse(QPointF(k.cx + seite * (k.breite - 1), 138), 4, 5);
    }
}

}  // namespace

QImage portrait(int nummer) {
    const Person& m = personen().at(static_cast<size_t>(nummer - 1));
    const Kopf k = kopfVon(m);
    const quint32 saat = 500 + static_cast<quint32>(nummer);

    QImage bild(242, 258, QImage::Format_RGB32);
    bild.fill(Qt::black);  // the smoothed edges blend into it
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    zeichneHintergrund(p, bild.rect(), m, k);
    const QPainterPath hals = zeichneHals(p, m, k);
    zeichneKleidung(p, m, k);
    zeichneHaarHinten(p, m, k, hals, saat);
    zeichneGesicht(p, m, k, saat);
    zeichneBart(p, m, k, saat);
    // Before the hair, so the arms disappear where hair covers the ears.
    zeichneBrille(p, m, k);
    zeichneHaarVorne(p, m, k, saat);
    if (m.ohrringe) zeichneOhrringe(p, k);
    p.end();
    return bild;
}

}  // namespace kabrolux::bilder
