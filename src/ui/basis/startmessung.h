#pragma once
// What happens once a program's first window is on the screen. With KABROLUX_STARTMESSUNG set,
// a program reports when that was and how much memory it holds then and half a second later,
// and ends: scripts compare the game's start with a bare Qt window's (bench/startvergleich.sh).

#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

#include "ui/basis/erstesbild.h"

namespace kabrolux::ui {

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
