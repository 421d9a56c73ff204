// Where windows appear: centred first, remembered later, never partly off the screen.
#include <QtTest>

#include "ui/basis/fensterplatz.h"

using kabrolux::ui::fensterplatz;
using kabrolux::ui::platzDaneben;

class TestFensterplatz : public QObject {
    Q_OBJECT
    const QRect flaeche{0, 0, 1280, 800};

  private slots:
    void ersteOeffnungMittigUeberDemHauptschirm() {
        const QRect haupt(100, 50, 767, 564);
        const QPoint p = fensterplatz(QSize(341, 236), haupt, std::nullopt, flaeche);
        // centred to the pixel; odd sizes round the half pixel
        QVERIFY((QRect(p, QSize(341, 236)).center() - haupt.center()).manhattanLength() <= 1);
    }

    void spaeterDortWoDerSpielerSieLiess() {
        const QPoint p =
            fensterplatz(QSize(341, 236), QRect(100, 50, 767, 564), QPoint(900, 20), flaeche);
        QCOMPARE(p, QPoint(900, 20));
    }

    void nieTeilweiseAusserhalb_data() {
        QTest::addColumn<QPoint>("gemerkt");
        QTest::addColumn<QPoint>("erwartet");
        QTest::newRow("rechts hinaus") << QPoint(1200, 100) << QPoint(1280 - 341, 100);
        QTest::newRow("unten hinaus") << QPoint(100, 799) << QPoint(100, 800 - 236);
        QTest::newRow("links oben hinaus") << QPoint(-50, -3) << QPoint(0, 0);
        QTest::newRow("genau am Rand")
            << QPoint(1280 - 341, 800 - 236) << QPoint(1280 - 341, 800 - 236);
    }
    void nieTeilweiseAusserhalb() {
        QFETCH(QPoint, gemerkt);
        QFETCH(QPoint, erwartet);
        QCOMPARE(fensterplatz(QSize(341, 236), QRect(), gemerkt, flaeche), erwartet);
    }

    void hauptschirmAmUnterenRandWirdHereingeholt() {
        // The main screen once came back with its bottom edge on the last pixel row.
        const QPoint p = fensterplatz(QSize(767, 564), QRect(), QPoint(300, 799), flaeche);
        QCOMPARE(p.y() + 564, 800);
        const QPoint mitte =
            fensterplatz(QSize(341, 236), QRect(900, 500, 767, 564), std::nullopt, flaeche);
        QVERIFY(QRect(mitte, QSize(341, 236)).intersected(flaeche) ==
                QRect(mitte, QSize(341, 236)));
    }

    void derRahmenBleibtAufDemSchirm() {
        // client positions; the frame (title bar 28 px) must stay inside as well
        const QMargins rahmen(4, 28, 4, 4);
        QCOMPARE(fensterplatz(QSize(341, 236), QRect(), QPoint(10, 5), flaeche, rahmen),
                 QPoint(10, 28));
        QCOMPARE(fensterplatz(QSize(341, 236), QRect(), QPoint(1279, 799), flaeche, rahmen),
                 QPoint(1280 - 4 - 341, 800 - 4 - 236));
        QCOMPARE(fensterplatz(QSize(341, 236), QRect(), QPoint(300, 200), flaeche, rahmen),
                 QPoint(300, 200));
    }

    // Beside a screen: right if there is room, else left, else not at all.
    void daneben() {
        const QMargins rahmen(4, 28, 4, 4);
        const QSize g(600, 500);
        QCOMPARE(platzDaneben(g, QRect(100, 50, 320, 200), flaeche, rahmen), QPoint(424, 78));
        QCOMPARE(platzDaneben(g, QRect(800, 400, 320, 200), flaeche, rahmen), QPoint(196, 296));
        QCOMPARE(platzDaneben(g, QRect(300, 50, 767, 564), flaeche, rahmen), std::nullopt);
    }

    void groesserAlsDieFlaecheBleibtLinksOben() {
        QCOMPARE(fensterplatz(QSize(2000, 900), QRect(), QPoint(30, 40), flaeche), QPoint(0, 0));
    }
};

QTEST_APPLESS_MAIN(TestFensterplatz)
#include "fensterplatz_test.moc"
