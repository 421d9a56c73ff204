#include "ui/basis/fensterplatz.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace kabrolux::ui {

QPoint fensterplatz(QSize groesse, const QRect& ueber, std::optional<QPoint> gemerkt,
                    const QRect& verfuegbar, const QMargins& rahmen) {
    QPoint p =
        gemerkt ? *gemerkt : ueber.center() - QPoint(groesse.width() / 2, groesse.height() / 2);
    if (verfuegbar.isEmpty()) return p;
    const QSize aussen = groesse.grownBy(rahmen);
    const int maxX = std::max(verfuegbar.left(), verfuegbar.right() + 1 - aussen.width());
    const int maxY = std::max(verfuegbar.top(), verfuegbar.bottom() + 1 - aussen.height());
    p.setX(std::clamp(p.x() - rahmen.left(), verfuegbar.left(), maxX) + rahmen.left());
    p.setY(std::clamp(p.y() - rahmen.top(), verfuegbar.top(), maxY) + rahmen.top());
    return p;
}

std::optional<QPoint> platzDaneben(QSize groesse, const QRect& neben, const QRect& verfuegbar,
                                   const QMargins& rahmen) {
    const QSize aussen = groesse.grownBy(rahmen);
    const int oben = std::max(verfuegbar.top(),
                              std::min(neben.top(), verfuegbar.bottom() + 1 - aussen.height()));
    for (const int links : {neben.right() + 1, neben.left() - aussen.width()}) {
        const QRect r(QPoint(links, oben), aussen);
        if (verfuegbar.contains(r)) return r.topLeft() + QPoint(rahmen.left(), rahmen.top());
    }
    return std::nullopt;
}

QRect verfuegbareFlaeche(const QWidget& w) {
    const QScreen* s = w.screen();
    if (!s) s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect();
}

void Fenstergedaechtnis::merken(const QWidget& w) {
    const QRect innen = w.geometry(), aussen = w.frameGeometry();
    platz_ = innen.topLeft();
    const QMargins r(innen.left() - aussen.left(), innen.top() - aussen.top(),
                     aussen.right() - innen.right(), aussen.bottom() - innen.bottom());
    // Only a plausible frame is kept (a window manager may not have framed it yet).
    if (r.left() >= 0 && r.top() >= 0 && r.right() >= 0 && r.bottom() >= 0 && r.top() < 100)
        rahmen_ = r;
}

void Fenstergedaechtnis::zeigenBei(QWidget& w, QPoint ziel) {
    // The widget keeps its own idea of its geometry and applies it when shown; the native
    // window must also count the position as chosen by the program, or the window manager
    // places the window anew (clear of other windows) whenever it is shown again.
    w.setGeometry(QRect(ziel, w.size()));
    w.winId();
    w.windowHandle()->setPosition(ziel);
    w.show();
    w.activateWindow();
}

void Fenstergedaechtnis::zeigenDaneben(QWidget& w, const QWidget& neben) const {
    const QRect verfuegbar = verfuegbareFlaeche(neben);
    const std::optional<QPoint> daneben =
        platz_ ? std::nullopt : platzDaneben(w.size(), neben.frameGeometry(), verfuegbar, rahmen_);
    zeigenBei(w, daneben ? *daneben
                         : fensterplatz(w.size(), neben.geometry(), platz_, verfuegbar, rahmen_));
}

}  // namespace kabrolux::ui
