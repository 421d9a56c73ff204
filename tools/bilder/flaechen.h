#pragma once
#include <QColor>
#include <QGradientStops>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>

#include <vector>

namespace kabrolux::bilder {

// One filled shape of a vector drawing. Kept this plain so the same drawing can
// be painted into pixels and written out as SVG.
struct Flaeche {
    QPainterPath pfad;
    QColor farbe;            // plain fill, used when there are no stops
    QGradientStops verlauf;  // gradient fill
    QPointF von;             // linear: start; radial: centre
    QPointF bis;             // linear: end; radial: a point on the rim
    bool rund = false;       // radial instead of linear gradient
    QColor linie;            // outline, if valid
    double linienBreite = 0;
};

Flaeche vollFlaeche(const QPainterPath& pfad, const QColor& farbe);
Flaeche linearFlaeche(const QPainterPath& pfad, QPointF von, QPointF bis,
                      const QGradientStops& verlauf);
Flaeche rundFlaeche(const QPainterPath& pfad, QPointF mitte, double radius,
                    const QGradientStops& verlauf);

// Paints the shapes in order, in the painter's current coordinates.
void maleFlaechen(QPainter& p, const std::vector<Flaeche>& flaechen);

// Path data for the d attribute: M, L and C commands, Z where a subpath closes.
QString svgPfad(const QPainterPath& pfad);

// A complete SVG document of the shapes on a square of `raster` units.
QString alsSvg(const std::vector<Flaeche>& flaechen, int raster, const QString& titel);

}  // namespace kabrolux::bilder
