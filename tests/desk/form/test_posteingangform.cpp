// The inbox as a player uses it.
#include <QtTest>

#include <QElapsedTimer>
#include "desk/form/posteingangform.h"
#include "sim/auftragerzeugen.h"
#include "testprogramm.h"

using namespace kabrolux;
using namespace kabrolux::ui;
using namespace kabrolux::test;

class TestPosteingangform : public ProgrammTest {
    Q_OBJECT

  private slots:
    void posteingangBehaeltHaken() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        auftrag(t->stand, 1, 7, false);
        auftrag(t->stand, 2, 8, false);
        h.Label3->setText(QStringLiteral("Neuer Auftrag im Posteingang"));
        h.posteingangbutton->click();
        TPosteingangform& f = *p->posteingangform;
        QVERIFY(f.isVisible());
        QVERIFY(h.isHidden());
        QCOMPARE(f.CheckListBox1->count(), 2);
        QVERIFY(f.CheckListBox1->item(0)->text().startsWith(QStringLiteral("Auftrag 000007: ")));

        f.CheckListBox1->item(1)->setCheckState(Qt::Checked);
        QCOMPARE(t->stand.auftraege[2].angenommen, 1);
        QCOMPARE(t->stand.angenommeneauftraege, 1);
        f.CheckListBox1->item(1)->setCheckState(Qt::Unchecked);  // comes back at once
        QCOMPARE(f.CheckListBox1->item(1)->checkState(), Qt::Checked);
        QCOMPARE(t->stand.angenommeneauftraege, 1);

        // the space bar ticks the current line like the mouse does
        f.CheckListBox1->setCurrentRow(0);
        QTest::keyClick(f.CheckListBox1, Qt::Key_Space);
        QCOMPARE(f.CheckListBox1->item(0)->checkState(), Qt::Checked);
        QCOMPARE(t->stand.auftraege[1].angenommen, 1);
        QCOMPARE(t->stand.angenommeneauftraege, 2);
        f.CheckListBox1->item(0)->setCheckState(Qt::Unchecked);
        QCOMPARE(f.CheckListBox1->item(0)->checkState(), Qt::Checked);

        f.close();
        QVERIFY(!h.isHidden());
        QCOMPARE(h.Label3->text(), QString());
        h.posteingangbutton->click();
        QCOMPARE(f.CheckListBox1->item(1)->checkState(), Qt::Checked);
        QCOMPARE(f.CheckListBox1->item(0)->checkState(), Qt::Checked);
    }

    void posteingangMitVollerTabelle() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        for (int r = 1; r <= kAuftragsZeilen; ++r)
            auftrag(t->stand, r, r, r % 3 == 0);
        QElapsedTimer uhr;
        uhr.start();
        h.posteingangbutton->click();
        const qint64 ms = uhr.elapsed();
        TPosteingangform& f = *p->posteingangform;
        QCOMPARE(f.CheckListBox1->count(), kAuftragsZeilen);
        QVERIFY(f.CheckListBox1->item(998)->text().startsWith(QStringLiteral("Auftrag 000999:")));
        QCOMPARE(f.CheckListBox1->item(998)->checkState(), Qt::Checked);
        QCOMPARE(f.CheckListBox1->item(997)->checkState(), Qt::Unchecked);
        qInfo("inbox with 999 orders shown in %lld ms", ms);
        // the table is full: the next due order is dropped, the list stays as it is
        t->zeit.ms = 0;  // the first draw after this reseed is 0: an order is due
        auftragerzeugen(p->spiel);
        QCOMPARE(f.CheckListBox1->count(), kAuftragsZeilen);
        QCOMPARE(t->stand.auftragsnummer, 1);
    }
};

QTEST_MAIN(TestPosteingangform)
#include "test_posteingangform.moc"
