#include "malhilfen.h"

#include <QTransform>

#include <algorithm>
#include <cmath>

namespace kabrolux::bilder {

QColor mische(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(
        a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
        a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor mitAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

// Closed outline whose corners are rounded with quadratic curves, so a car body
// looks pressed from sheet metal rather than cut from paper.
QPainterPath rundePfad(const std::vector<Ecke>& ecken) {
    QPainterPath pfad;
    const size_t n = ecken.size();
    for (size_t i = 0; i < n; ++i) {
        const Ecke& vor = ecken[(i + n - 1) % n];
        const Ecke& hier = ecken[i];
        const Ecke& nach = ecken[(i + 1) % n];
        const QPointF p(hier.x, hier.y);
        const QPointF zuVor(vor.x - hier.x, vor.y - hier.y);
        const QPointF zuNach(nach.x - hier.x, nach.y - hier.y);
        const double lv = std::hypot(zuVor.x(), zuVor.y());
        const double ln = std::hypot(zuNach.x(), zuNach.y());
        // Never round past half an edge, or neighbouring corners overlap.
        const double r = std::min({hier.radius, lv / 2.0, ln / 2.0});
        const QPointF a = p + zuVor * (r / lv);
        const QPointF b = p + zuNach * (r / ln);
        if (i == 0) {
            pfad.moveTo(a);
        } else {
            pfad.lineTo(a);
        }
        pfad.quadTo(p, b);
    }
    pfad.closeSubpath();
    return pfad;
}

std::vector<Ecke> gespiegelt(const std::vector<Ecke>& ecken) {
    std::vector<Ecke> r = ecken;
    for (Ecke& e : r)
        e.y = -e.y;
    return r;
}

QPointF auf(double x, double y) {
    return {x, -y};
}

QPainterPath gespiegelt(const QPainterPath& pfad, double cx) {
    QTransform t;
    t.translate(cx, 0);
    t.scale(-1, 1);
    t.translate(-cx, 0);
    return t.map(pfad);
}

QPainterPath beideSeiten(const QPainterPath& links, double cx) {
    QPainterPath p = links;
    p.addPath(gespiegelt(links, cx));
    return p;
}

}  // namespace kabrolux::bilder
