#include "kopf.h"

#include "malhilfen.h"

namespace kabrolux::bilder {

Kopf kopfVon(const Person& m) {
    Kopf k;
    k.kiefer = (m.frau ? 28 : 34) + m.eckiger;
    k.breite = (m.frau ? 44 : 47) + m.breiter;
    k.kinn = m.frau ? 168 : 174;
    k.mundY = m.frau ? 149 : 152;
    k.halsBreite = m.frau ? 17 : 24;
    k.schulter = m.frau ? 86 : 98;
    return k;
}

QPainterPath gesichtsPfad(const Kopf& k) {
    const double cx = k.cx;
    const double w = k.breite;
    QPainterPath p;
    p.moveTo(cx, k.scheitel);
    p.cubicTo(cx + w * 0.62, k.scheitel, cx + w, k.scheitel + 26, cx + w, 104);
    p.cubicTo(cx + w, 128, cx + k.kiefer + 8, 146, cx + k.kiefer, 156);
    p.cubicTo(cx + k.kiefer - 9, k.kinn - 6, cx + 15, k.kinn, cx, k.kinn);
    p.cubicTo(cx - 15, k.kinn, cx - k.kiefer + 9, k.kinn - 6, cx - k.kiefer, 156);
    p.cubicTo(cx - k.kiefer - 8, 146, cx - w, 128, cx - w, 104);
    p.cubicTo(cx - w, k.scheitel + 26, cx - w * 0.62, k.scheitel, cx, k.scheitel);
    p.closeSubpath();
    return p;
}

QPainterPath halsPfad(const Kopf& k) {
    const double cx = k.cx;
    const double h = k.halsBreite;
    QPainterPath p;
    p.moveTo(cx - h, 140);
    p.lineTo(cx + h, 140);
    p.cubicTo(cx + h, 180, cx + h + 4, 196, cx + h + 40, 212);
    p.lineTo(cx + h + 40, 258);
    p.lineTo(cx - h - 40, 258);
    p.lineTo(cx - h - 40, 212);
    p.cubicTo(cx - h - 4, 196, cx - h, 180, cx - h, 140);
    p.closeSubpath();
    return p;
}

QPainterPath rumpfPfad(const Kopf& k) {
    const double cx = k.cx;
    const double s = k.schulter;
    const double h = k.halsBreite;
    QPainterPath l;
    l.moveTo(cx, 258 + 10);
    l.lineTo(cx - s - 30, 258 + 10);
    l.cubicTo(cx - s - 26, 240, cx - s - 20, 222, cx - s + 4, 210);
    l.cubicTo(cx - s + 30, 198, cx - h - 16, 196, cx - h - 4, 186);
    l.lineTo(cx, 186);
    l.closeSubpath();
    return l.united(gespiegelt(l, cx)).simplified();
}

}  // namespace kabrolux::bilder
