// The autosave's writing thread: copies are written off the screens' thread, at most one waits
// and the newest wins, what waits is written before the thread ends, and every outcome comes
// back to the screens' thread.
#include <QtTest>

#include <future>
#include <thread>
#include <vector>

#include "speicherbeispiel.h"
#include "ui/basis/sicherungsfaden.h"

using namespace kabrolux;
using namespace kabrolux::ui;

class TestSicherungsfaden : public QObject {
    Q_OBJECT

  private slots:
    void schreibtDenNeuestenAufEinemEigenenFaden() {
        std::promise<void> angefangen, los;
        std::shared_future<void> weiter = los.get_future().share();
        std::vector<double> geschrieben;
        std::thread::id faden;
        auto f = std::make_unique<Sicherungsfaden>([&](const Spielstand& s) {
            if (geschrieben.empty()) {
                angefangen.set_value();
                weiter.wait();
            }
            geschrieben.push_back(s.vermoegen);
            faden = std::this_thread::get_id();
            return s.vermoegen == 5 ? std::string("Disk full") : std::string();
        });
        QStringList fertig;
        connect(f.get(), &Sicherungsfaden::fertig, this, [&](const QString& e) { fertig << e; });
        f->auftrag(test::startStand(1));
        angefangen.get_future().wait();
        for (double v : {2.0, 3.0, 4.0})
            f->auftrag(test::startStand(v));
        QCOMPARE(f->geschrieben(), 0);
        los.set_value();
        f->abwarten();
        QCOMPARE(geschrieben, (std::vector<double>{1, 4}));
        QVERIFY(faden != std::this_thread::get_id());
        f->auftrag(test::startStand(5));
        QTRY_COMPARE(fertig, (QStringList{QString(), QString(), QStringLiteral("Disk full")}));
        QCOMPARE(f->auftraege(), 5);
        f->auftrag(test::startStand(6));
        f.reset();  // ending the thread writes what still waits
        QCOMPARE(geschrieben.back(), 6.0);
    }
};

QTEST_MAIN(TestSicherungsfaden)
#include "sicherungsfaden_test.moc"
