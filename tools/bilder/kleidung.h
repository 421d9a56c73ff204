#pragma once
#include <QColor>
#include <QPainter>
#include <QPainterPath>

#include "kopf.h"

namespace kabrolux::bilder {

// Opening of the clothes at the neck, cut out of the torso.
QPainterPath ausschnitt(const Person& m, const Kopf& k);

// Cloth lit from the top left, with a darker seam.
void stoffFuellen(QPainter& p, const QPainterPath& pfad, const QColor& c);

// Shoulders and chest in the person's clothes, with collar and trim.
void zeichneKleidung(QPainter& p, const Person& m, const Kopf& k);

}  // namespace kabrolux::bilder
