#include "ui/basis/erstesbild.h"

#include <QGuiApplication>

#ifdef KABROLUX_XCB
#include <xcb/xcb.h>
#endif

namespace kabrolux::ui {

void fensterAbschicken() {
#if defined(KABROLUX_XCB) && QT_CONFIG(xcb)
    // The offscreen platform answers as X11 too, without a connection.
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        if (xcb_connection_t* verbindung = x11->connection()) xcb_flush(verbindung);
#endif
}

}  // namespace kabrolux::ui
