#include "ui/basis/fensterplatz.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace kabrolux::ui {

QPoint fensterplatz(QSize rahmen, const QRect& ueber, std::optional<QPoint> gemerkt,
                    const QRect& verfuegbar) {
    QPoint p =
        gemerkt ? *gemerkt : ueber.center() - QPoint(rahmen.width() / 2, rahmen.height() / 2);
    if (verfuegbar.isEmpty()) return p;
    const int maxX = std::max(verfuegbar.left(), verfuegbar.right() + 1 - rahmen.width());
    const int maxY = std::max(verfuegbar.top(), verfuegbar.bottom() + 1 - rahmen.height());
    p.setX(std::clamp(p.x(), verfuegbar.left(), maxX));
    p.setY(std::clamp(p.y(), verfuegbar.top(), maxY));
    return p;
}

QSize rahmengroesse(const QWidget& w) {
    if (w.testAttribute(Qt::WA_WState_Created)) return w.frameGeometry().size();
    return w.size() + QSize(8, 32);
}

QRect verfuegbareFlaeche(const QWidget& w) {
    const QScreen* s = w.screen();
    if (!s) s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect();
}

}  // namespace kabrolux::ui
