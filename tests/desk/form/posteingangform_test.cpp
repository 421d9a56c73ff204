// The inbox as a player uses it.
#include <QtTest>

#include <QElapsedTimer>
#include <QStyleOptionViewItem>
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
        neuerAuftrag(t->stand, 1, 7);
        neuerAuftrag(t->stand, 2, 8);
        h.Label3->setText(QStringLiteral("Neuer Auftrag im Posteingang"));
        h.posteingangbutton->click();
        TPosteingangform& f = *p->posteingangform();
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
            (r % 3 == 0 ? angenommenerAuftrag : neuerAuftrag)(t->stand, r, r, 30);
        QElapsedTimer uhr;
        uhr.start();
        h.posteingangbutton->click();
        const qint64 ms = uhr.elapsed();
        TPosteingangform& f = *p->posteingangform();
        QCOMPARE(f.CheckListBox1->count(), kAuftragsZeilen);
        QVERIFY(f.CheckListBox1->item(998)->text().startsWith(QStringLiteral("Auftrag 000999:")));
        QCOMPARE(f.CheckListBox1->item(998)->checkState(), Qt::Checked);
        QCOMPARE(f.CheckListBox1->item(997)->checkState(), Qt::Unchecked);
        qInfo("inbox with 999 orders shown in %lld ms", ms);
        // the table is full: the next due order is dropped, the list stays as it is
        t->zeit.ms = 0;  // the first draw after this reseed is 0: an order is due
        auftragerzeugen(p->spiel);
        QCOMPARE(f.CheckListBox1->count(), kAuftragsZeilen);
        QCOMPARE(t->stand.auftragsnummer, kAuftragsZeilen + 1);  // nothing was counted
    }

    // Acceptance is final: opening the inbox makes no line current, so a Space pressed by
    // habit accepts nothing; the arrow keys reach the lines and Space accepts.
    void leertasteBeimOeffnenNimmtNichtsAn() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        for (int r = 1; r <= 3; ++r)
            neuerAuftrag(t->stand, r, 20 + r);
        h.posteingangbutton->click();
        TPosteingangform& f = *p->posteingangform();
        QCOMPARE(f.CheckListBox1->count(), 3);
        QCOMPARE(f.CheckListBox1->currentRow(), -1);
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.CheckListBox1->setFocus(Qt::TabFocusReason);
        QVERIFY(f.CheckListBox1->hasFocus());
        QTest::keyClick(f.CheckListBox1, Qt::Key_Space);
        for (int r = 1; r <= 3; ++r)
            QCOMPARE(t->stand.auftraege[r].angenommen, 0);
        QCOMPARE(t->stand.angenommeneauftraege, 0);

        QTest::keyClick(f.CheckListBox1, Qt::Key_Down);
        QTest::keyClick(f.CheckListBox1, Qt::Key_Down);
        QCOMPARE(f.CheckListBox1->currentRow(), 1);
        QTest::keyClick(f.CheckListBox1, Qt::Key_Space);
        QCOMPARE(t->stand.auftraege[2].angenommen, 1);
        QCOMPARE(t->stand.auftraege[1].angenommen, 0);
        QCOMPARE(t->stand.angenommeneauftraege, 1);
        // a rebuild (the clock settled something) again leaves no line current
        f.FormPaint();
        QCOMPARE(f.CheckListBox1->currentRow(), -1);
    }

    // An accepted order and an open one must not look alike: the tick is dark on a light box.
    void hakenSindDeutlichZuSehen() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        angenommenerAuftrag(t->stand, 1, 7);
        neuerAuftrag(t->stand, 2, 8);
        h.posteingangbutton->click();
        QListWidget* l = p->posteingangform()->CheckListBox1;
        QCoreApplication::processEvents();  // the list lays out its lines after showing
        const QImage bild = l->viewport()->grab().toImage();
        // the tick box sits at the left end of its line
        auto kasten = [&](int zeile) {
            const QRect r = l->visualItemRect(l->item(zeile));
            return helligkeiten(bild, QRect(r.left(), r.top(), 2 * r.height(), r.height()));
        };
        const Helligkeiten an = kasten(0), aus = kasten(1);
        QVERIFY2(an.hell >= 10 && aus.hell >= 10, "no light box");
        QVERIFY2(an.dunkel >= aus.dunkel + 8,
                 qPrintable(QStringLiteral("%1 %2").arg(an.dunkel).arg(aus.dunkel)));
        QVERIFY(kontrast(an.dunkelstes, an.hellstes) >= 7.0);
        // the lines keep their colours: silver text on grey
        QCOMPARE(l->palette().color(QPalette::Base), QColor(0x80, 0x80, 0x80));
        QCOMPARE(l->palette().color(QPalette::Text), QColor(0xC0, 0xC0, 0xC0));
    }
};

QTEST_MAIN(TestPosteingangform)
#include "posteingangform_test.moc"
