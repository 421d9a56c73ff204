#pragma once
// With KABROLUX_STARTMESSUNG set, a program reports when its first window is on the screen and
// how much memory it holds then and half a second later, and ends: scripts compare the game's
// start with a bare Qt window's (bench/startvergleich.sh).

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <ctime>

namespace kabrolux::ui {

class Startmessung : public QObject {
  public:
    static void einrichten(QWidget& fenster) {
        if (qEnvironmentVariableIsEmpty("KABROLUX_STARTMESSUNG")) return;
        fenster.winId();
        fenster.windowHandle()->installEventFilter(new Startmessung(&fenster));
    }

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Expose && !gemeldet_ && static_cast<QWindow*>(o)->isExposed()) {
            gemeldet_ = true;
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
        }
        return false;
    }

  private:
    explicit Startmessung(QObject* eltern) : QObject(eltern) {}
    static long residentKb() {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly)) return -1;
        for (const QByteArray& zeile : status.readAll().split('\n'))
            if (zeile.startsWith("VmRSS:"))
                return zeile.mid(6).trimmed().split(' ').value(0).toLong();
        return -1;
    }
    bool gemeldet_ = false;
};

}  // namespace kabrolux::ui
