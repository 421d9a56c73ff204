#pragma once
// What happens once a program's first window is on the screen. With KABROLUX_STARTMESSUNG set,
// a program reports when that was and how much memory it holds then and half a second later,
// and ends: scripts compare the game's start with a bare Qt window's (bench/startvergleich.sh).

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <functional>
#include <utility>

namespace kabrolux::ui {

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

class Startmessung {
  public:
    static void einrichten(QWidget& fenster) {
        if (qEnvironmentVariableIsEmpty("KABROLUX_STARTMESSUNG")) return;
        beimErstenBild(fenster, [] {
            timespec jetzt{};
            clock_gettime(CLOCK_REALTIME, &jetzt);
            std::printf("gezeigt_ns %lld\nrss_kb %ld\n",
                        static_cast<long long>(jetzt.tv_sec) * 1000000000LL + jetzt.tv_nsec,
                        residentKb());
            QTimer::singleShot(500, [] {
                std::printf("rss_spaeter_kb %ld\n", residentKb());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        });
    }

  private:
    static long residentKb() {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly)) return -1;
        for (const QByteArray& zeile : status.readAll().split('\n'))
            if (zeile.startsWith("VmRSS:"))
                return zeile.mid(6).trimmed().split(' ').value(0).toLong();
        return -1;
    }
};

}  // namespace kabrolux::ui
