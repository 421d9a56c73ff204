// The autosave's writing thread: copies are written off the screens' thread, at most one waits,
// the newest wins, and every outcome comes back to the screens' thread.
#include <QtTest>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "speicherbeispiel.h"
#include "ui/basis/sicherungsfaden.h"

using namespace kabrolux;
using namespace kabrolux::ui;

namespace {

// A writer that notes what it wrote and where, and waits while `halten` is set.
struct Schreiber {
    std::mutex m;
    std::condition_variable cv;
    bool halten = false, schreibt = false;
    std::vector<double> geschrieben;
    std::vector<std::thread::id> faeden;
    std::string fehler;

    std::string operator()(const Spielstand& s) {
        std::unique_lock<std::mutex> l(m);
        schreibt = true;
        cv.notify_all();
        cv.wait(l, [this] { return !halten; });
        geschrieben.push_back(s.vermoegen);
        faeden.push_back(std::this_thread::get_id());
        schreibt = false;
        return fehler;
    }
    void loslassen() {
        {
            const std::lock_guard<std::mutex> l(m);
            halten = false;
        }
        cv.notify_all();
    }
    void bisErSchreibt() {
        std::unique_lock<std::mutex> l(m);
        cv.wait(l, [this] { return schreibt; });
    }
};

Spielstand mit(double vermoegen) {
    Spielstand s = test::startStand();
    s.vermoegen = vermoegen;
    return s;
}

}  // namespace

class TestSicherungsfaden : public QObject {
    Q_OBJECT

  private slots:
    void schreibtAufEinemEigenenFaden() {
        Schreiber w;
        Sicherungsfaden f([&w](const Spielstand& s) { return w(s); });
        QStringList fertig;
        connect(&f, &Sicherungsfaden::fertig, this, [&](const QString& e) { fertig << e; });
        f.auftrag(mit(1));
        f.abwarten();
        QCOMPARE(w.geschrieben, std::vector<double>{1});
        QVERIFY(w.faeden.at(0) != std::this_thread::get_id());
        QTRY_COMPARE(fertig, QStringList{QString()});
        w.fehler = "Disk full";
        f.auftrag(mit(2));
        QTRY_COMPARE(fertig, (QStringList{QString(), QStringLiteral("Disk full")}));
        QCOMPARE(f.auftraege(), 2);
        QCOMPARE(f.geschrieben(), 2);
    }

    // While one write is under way, later copies replace each other: the newest is written
    // next, the ones between never.
    void nurDerNeuesteWartet() {
        Schreiber w;
        w.halten = true;
        Sicherungsfaden f([&w](const Spielstand& s) { return w(s); });
        f.auftrag(mit(1));
        w.bisErSchreibt();
        for (double v : {2.0, 3.0, 4.0, 5.0})
            f.auftrag(mit(v));
        QCOMPARE(f.auftraege(), 5);
        QCOMPARE(f.geschrieben(), 0);
        w.loslassen();
        f.abwarten();
        QCOMPARE(w.geschrieben, (std::vector<double>{1, 5}));
        QCOMPARE(f.geschrieben(), 2);
    }

    // Ending the thread writes what still waits.
    void amEndeWirdNochGeschrieben() {
        Schreiber w;
        w.halten = true;
        {
            Sicherungsfaden f([&w](const Spielstand& s) { return w(s); });
            f.auftrag(mit(1));
            w.bisErSchreibt();
            f.auftrag(mit(2));
            w.loslassen();
        }
        QCOMPARE(w.geschrieben, (std::vector<double>{1, 2}));
    }
};

QTEST_MAIN(TestSicherungsfaden)
#include "sicherungsfaden_test.moc"
