#pragma once
#include <QImage>
#include <QString>

// Decodes a JPEG file with libjpeg. On failure returns a null image and puts the
// decoder's own message (or, when the file cannot be opened, the system's reason) into *fehler.
QImage ladeJpeg(const QString& pfad, QString* fehler);

// Folder holding taxis/, personal/ and titel.jpg, with a trailing '/': next to the
// program in a build tree, else <program folder>/../share/kabrolux when installed;
// the environment variable KABROLUX_BILDER overrides both.
QString bilderOrdner();
