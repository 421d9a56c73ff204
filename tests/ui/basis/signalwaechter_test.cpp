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
        // The hangup as under nohup: ignored before, so ignored still.
        for (int s : Signalwaechter::kSignale)
            std::signal(s, s == SIGHUP ? SIG_IGN : SIG_DFL);
        {
            Signalwaechter w;
            QVERIFY(w.aktiv());
            QList<int> empfangen;
            connect(&w, &Signalwaechter::signalEmpfangen, this, [&](int s) { empfangen << s; });
            for (int s : Signalwaechter::kSignale) {
                const int vorher = empfangen.size();
                QCOMPARE(std::raise(s), 0);
                // Nothing happens in the handler itself; the loop hears of it.
                QCOMPARE(empfangen.size(), vorher);
                if (s != SIGHUP) QTRY_COMPARE(empfangen.size(), vorher + 1);
            }
            QTest::qWait(20);
            QCOMPARE(empfangen, (QList<int>{SIGTERM, SIGINT}));
        }
        for (int s : Signalwaechter::kSignale) {
            struct sigaction jetzt {};
            sigaction(s, nullptr, &jetzt);
            QVERIFY(jetzt.sa_handler == (s == SIGHUP ? SIG_IGN : SIG_DFL));
        }
    }
};

QTEST_MAIN(TestSignalwaechter)
#include "signalwaechter_test.moc"
