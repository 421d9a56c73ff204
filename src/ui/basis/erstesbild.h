#pragma once
// A window's way to the screen: what is sent at once, and what waits for its first picture.

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <utility>

namespace kabrolux::ui {

// Sends what the program has asked of the window system so far (a window to be mapped) now,
// not when the event loop next runs: the desktop shows the window while the program finishes
// its first picture. Only X11 keeps such requests back.
void fensterAbschicken();

// Calls `f` once, as the window's first picture reaches the screen.
inline void beimErstenBild(QWidget& fenster, std::function<void()> f) {
    class Wache : public QObject {
      public:
        Wache(QWindow* w, std::function<void()> f) : QObject(w), f_(std::move(f)) {}

      protected:
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::Expose && f_ && static_cast<QWindow*>(o)->isExposed()) {
                o->removeEventFilter(this);
                deleteLater();
                std::exchange(f_, nullptr)();
            }
            return false;
        }

      private:
        std::function<void()> f_;
    };
    fenster.winId();
    QWindow* w = fenster.windowHandle();
    w->installEventFilter(new Wache(w, std::move(f)));
}

}  // namespace kabrolux::ui
