#pragma once
#include <QColor>
#include <QPainterPath>
#include <QPointF>

#include <vector>

namespace kabrolux::bilder {

// Blends a into b; t = 0 gives a, t = 1 gives b.
QColor mische(const QColor& a, const QColor& b, double t);

QColor mitAlpha(QColor c, int alpha);

// A corner of an outline; radius rounds it off.
struct Ecke {
    double x;
    double y;
    double radius;
};

// Closed outline through the corners, each rounded off by its radius.
QPainterPath rundePfad(const std::vector<Ecke>& ecken);

// Car coordinates use y upwards; the painter's y grows downwards.
std::vector<Ecke> gespiegelt(const std::vector<Ecke>& ecken);
QPointF auf(double x, double y);

// Mirrors a path around the vertical line x = cx.
QPainterPath gespiegelt(const QPainterPath& pfad, double cx);

// The left half together with its mirror image.
QPainterPath beideSeiten(const QPainterPath& links, double cx);

}  // namespace kabrolux::bilder
