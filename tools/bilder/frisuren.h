#pragma once
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include "kopf.h"

namespace kabrolux::bilder {

// Fills hair with a soft light from the given spot and a sheen band.
void fuelleHaar(QPainter& p, const QPainterPath& pfad, const QColor& haar, const QRectF& licht);

// Fine strands combed away from the crown point `wirbel`.
void haarStraehnen(QPainter& p, const QPainterPath& pfad, const QColor& haar, quint32 saat,
                   const QPointF& wirbel, int anzahl);

// Little highlighted arcs read as springy curls.
void lockenGlanz(QPainter& p, const QPainterPath& pfad, const QColor& haar, quint32 saat);

// Hair that lies behind the head and neck, possibly over the shoulders.
QPainterPath haarHinten(const Person& m, const Kopf& k);

// Hair lying on top of the skull and framing the face.
QPainterPath haarVorne(const Person& m, const Kopf& k);

}  // namespace kabrolux::bilder
