// The statistics screen as a player uses it.
#include <QtTest>

#include "desk/form/statistikform.h"
#include "lesbar.h"
#include "sim/fahrten.h"
#include "sim/takt.h"
#include "testprogramm.h"

using namespace kabrolux;
using namespace kabrolux::ui;
using namespace kabrolux::test;

class TestStatistikform : public ProgrammTest {
    Q_OBJECT

    Tstatistikform& oeffnen() {
        if (t->stand.spiellaeuft != 1) p->hauptform->Spiel_startenbuttonClick();
        p->hauptform->statistikbutton->click();
        return *p->statistikform();
    }
    QStringList werte() {
        Tstatistikform& f = *p->statistikform();
        return {f.Label4->text(), f.Label5->text(), f.Label6->text(), f.Label9->text(),
                f.Label10->text()};
    }

  private slots:
    void aufbau() {
        Tstatistikform& f = *p->statistikform();
        QCOMPARE(f.windowTitle(), QStringLiteral("Statistik"));
        const QColor gelb(Qt::yellow), limone(0x00, 0xFF, 0x00), hellrot(255, 128, 128);
        const QList<std::tuple<QLabel*, QLabel*, QString, QColor>> zeilen{
            {f.Label1, f.Label4, QStringLiteral("Erhaltene Aufträge:"), gelb},
            {f.Label2, f.Label5, QStringLiteral("Erledigte Aufträge:"), limone},
            {f.Label3, f.Label6, QStringLiteral("Verpasste Aufträge:"), hellrot},
            {f.Label7, f.Label9, QStringLiteral("Angenommene Aufträge:"), limone},
            {f.Label8, f.Label10, QStringLiteral("nicht erledigte angenommene Aufträge:"),
             hellrot}};
        for (const auto& [beschriftung, wert, text, farbe] : zeilen) {
            QCOMPARE(beschriftung->text(), text);
            QCOMPARE(beschriftung->palette().color(QPalette::WindowText), farbe);
            QCOMPARE(wert->palette().color(QPalette::WindowText), farbe);
            // The value stands right of its caption, on the same line.
            QCOMPARE(wert->y(), beschriftung->y());
            QVERIFY(wert->x() > beschriftung->x() + beschriftung->width());
        }
        QCOMPARE(f.palette().color(QPalette::Window), QColor(Qt::black));
        f.Label10->setText(QStringLiteral("-2147483649"));
        f.Label10->adjustSize();
        QCOMPARE(abgeschnitten(&f).join(QLatin1Char('\n')), QString());
    }

    void neuesSpielAllesNull() {
        Tstatistikform& f = oeffnen();
        QVERIFY(f.isVisible());
        QVERIFY(p->hauptform->isHidden());
        QCOMPARE(werte(), QStringList(5, QStringLiteral("0")));
        QCOMPARE(abgeschnitten(&f).join(QLatin1Char('\n')), QString());
        QVERIFY(f.close());
        QVERIFY(p->hauptform->isVisible());
    }

    void werteLaufenMitWaehrendDerSchirmOffenIst() {
        Tstatistikform& f = oeffnen();
        Spielstand& s = t->stand;
        neuerAuftrag(s, 1, 1);
        angenommenerAuftrag(s, 2, 2);
        // The next game minute shows them; no order falls due at this millisecond.
        s.grundpreis = 1000;
        t->zeit.ms = 43'200'000;
        Timer1Timer(p->spiel);
        QCOMPARE(werte(), QStringList({"2", "0", "0", "1", "0"}));
        // An accepted order expires: missed and accepted-not-settled rise at once.
        loescheauftrag(p->spiel, 2);
        QCOMPARE(werte(), QStringList({"2", "0", "1", "1", "1"}));
        QVERIFY(f.isVisible());
    }

    void verborgenWirdBeimOeffnenNeuGerechnet() {
        Tstatistikform& f = oeffnen();
        QVERIFY(f.close());
        t->stand.auftragsnummer = 6;
        t->stand.erledigteauftraege = 5;
        oeffnen();
        QCOMPARE(werte(), QStringList({"5", "5", "0", "0", "-5"}));
    }
};

QTEST_MAIN(TestStatistikform)
#include "statistikform_test.moc"
