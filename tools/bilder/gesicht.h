#pragma once
#include <QPainter>

#include "kopf.h"

namespace kabrolux::bilder {

// Ears, skin, brows, eyes, nose and mouth, aged to the person.
void zeichneGesicht(QPainter& p, const Person& m, const Kopf& k, quint32 saat);

void zeichneBart(QPainter& p, const Person& m, const Kopf& k, quint32 saat);

void zeichneBrille(QPainter& p, const Person& m, const Kopf& k);

}  // namespace kabrolux::bilder
