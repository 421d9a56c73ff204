#pragma once
// Where a window appears: a screen opens centred over the main screen the first time and where
// the player left it afterwards, and no window is ever placed partly off the available area.
//
// Positions are client positions (QWidget::geometry()). A window shown again without a position
// of the program's own is placed anew by an X11 window manager, clear of the other windows: the
// main screen wandered over the desktop.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <optional>

namespace kabrolux::ui {

// Top-left corner of a window's client area of size `groesse` with the window manager's frame
// `rahmen` around it. `gemerkt` is where the player left it during this run, if anywhere; else
// it is centred over the client area `ueber`. The frame stays inside `verfuegbar` (its top-left
// corner does, for a window larger than the area).
QPoint fensterplatz(QSize groesse, const QRect& ueber, std::optional<QPoint> gemerkt,
                    const QRect& verfuegbar, const QMargins& rahmen = {});

// A window opened beside another one: the client position right of the frame `neben`, else left
// of it, with the top edges level (pulled up should the bottom not fit); nullopt when neither
// side has room within `verfuegbar`.
std::optional<QPoint> platzDaneben(QSize groesse, const QRect& neben, const QRect& verfuegbar,
                                   const QMargins& rahmen = {});

// The available area of the screen a window is on (or the primary screen).
QRect verfuegbareFlaeche(const QWidget& w);

// Remembers a top-level window's place and frame while it is shown, and puts it there again.
class Fenstergedaechtnis {
  public:
    // Call while the window is still shown (before hiding it).
    void merken(const QWidget& w);
    std::optional<QPoint> platz() const { return platz_; }
    // The frame seen last; before a first showing room for a title bar is assumed.
    QMargins rahmen() const { return rahmen_; }
    // Shows the window at `ziel` (a client position) and makes it the active one.
    static void zeigenBei(QWidget& w, QPoint ziel);
    // Shows the window beside `neben` the first time, where there is room (so both can be
    // read), else centred over it; afterwards where the player left it.
    void zeigenDaneben(QWidget& w, const QWidget& neben) const;

  private:
    std::optional<QPoint> platz_;
    QMargins rahmen_{4, 28, 4, 4};
};

}  // namespace kabrolux::ui
