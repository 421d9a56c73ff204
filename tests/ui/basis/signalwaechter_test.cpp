// SIGTERM, SIGHUP and SIGINT reach the event loop as a Qt signal, and the handlers before are
// back once the watcher goes.
#include <QtTest>

#include <csignal>

#include "ui/basis/signalwaechter.h"

using namespace kabrolux::ui;

class TestSignalwaechter : public QObject {
    Q_OBJECT

  private slots:
    void signaleKommenInDieEreignisschleife() {
        for (int s : Signalwaechter::kSignale)
            std::signal(s, SIG_IGN);
        {
            Signalwaechter w;
            QVERIFY(w.aktiv());
            QList<int> empfangen;
            connect(&w, &Signalwaechter::signalEmpfangen, this, [&](int s) { empfangen << s; });
            int vorher = 0;
            for (int s : Signalwaechter::kSignale) {
                QCOMPARE(std::raise(s), 0);
                // Nothing happens in the handler itself; the loop hears of it.
                QCOMPARE(empfangen.size(), vorher++);
                QTRY_COMPARE(empfangen.size(), vorher);
            }
            QCOMPARE(empfangen, (QList<int>{SIGTERM, SIGHUP, SIGINT}));
        }
        for (int s : Signalwaechter::kSignale) {
            struct sigaction jetzt {};
            sigaction(s, nullptr, &jetzt);
            QVERIFY(jetzt.sa_handler == SIG_IGN);
        }
    }
};

QTEST_MAIN(TestSignalwaechter)
#include "signalwaechter_test.moc"
