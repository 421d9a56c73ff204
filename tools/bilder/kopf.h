#pragma once
#include <QPainterPath>

#include "personen.h"

namespace kabrolux::bilder {

// Shared face geometry; everything else is placed relative to it.
struct Kopf {
    double cx = 121;
    double scheitel = 38;  // top of the skull
    double breite = 46;    // half width at the cheekbones
    double kiefer;         // half width at the jaw corner
    double kinn;           // chin
    double augenY = 110;
    double augenAbstand = 20;
    double mundY;
    double halsBreite;
    double schulter;
};

// The head of one person in the 242 × 258 portrait.
Kopf kopfVon(const Person& m);

QPainterPath gesichtsPfad(const Kopf& k);

// Neck and chest skin, down to the bottom edge.
QPainterPath halsPfad(const Kopf& k);

// Shoulders and chest, before the neck opening is cut out.
QPainterPath rumpfPfad(const Kopf& k);

}  // namespace kabrolux::bilder
