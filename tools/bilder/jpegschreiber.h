#pragma once
#include <QImage>
#include <QString>

namespace kabrolux::bilder {

// Stores the picture as a baseline JPEG of quality 90. On failure removes any
// half-written file and puts the reason into *fehler.
bool schreibeJpeg(const QImage& bild, const QString& pfad, QString* fehler);

}  // namespace kabrolux::bilder
