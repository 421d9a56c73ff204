#pragma once
// Where a window appears: a screen opens centred over the main screen the first time and where
// the player left it afterwards, and no window is ever placed partly off the available area.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <optional>

namespace kabrolux::ui {

// Top-left corner for a window frame of the given size. `gemerkt` is where the player left it
// during this run, if anywhere; else it is centred over `ueber`. The result keeps the whole
// frame inside `verfuegbar` (or its top-left corner, for a frame larger than the area).
QPoint fensterplatz(QSize rahmen, const QRect& ueber, std::optional<QPoint> gemerkt,
                    const QRect& verfuegbar);

// The frame size of a window; before its first showing the window system's frame is not known
// yet, so room for a title bar is assumed.
QSize rahmengroesse(const QWidget& w);

// The available area of the screen a window is on (or the primary screen).
QRect verfuegbareFlaeche(const QWidget& w);

}  // namespace kabrolux::ui
