#pragma once
#include <QPainter>
#include <QSize>

namespace kabrolux::bilder {

// Street of a German city by day: facades, pavement, asphalt. The seed picks
// the clouds and houses, so each taxi gets its own street.
void zeichneStrasseTag(QPainter& p, const QSize& groesse, quint32 saat);

}  // namespace kabrolux::bilder
