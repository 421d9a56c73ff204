// The dispatch screen as a player uses it.
#include <QtTest>

#include "desk/form/taxisendenform.h"
#include "testprogramm.h"

using namespace kabrolux;
using namespace kabrolux::ui;
using namespace kabrolux::test;

class TestTaxiSendenform : public ProgrammTest {
    Q_OBJECT

  private slots:
    void sendenMeldungenUndAuswahl() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        Spielstand& st = t->stand;
        angenommenerAuftrag(st, 1, 3);
        gekauftesTaxi(st, 1, 2);
        eingestellterFahrer(st, 1, 1);
        eingestellterFahrer(st, 2, 2);
        h.taxi_sendenbutton->click();
        TTaxi_sendenform& f = *p->taxi_sendenform();
        QVERIFY(f.isVisible());
        QCOMPARE(f.ListBox1->count(), 1);
        QCOMPARE(f.ListBox2->item(0)->text(), QStringLiteral("01: Taxi Variante 2"));
        QCOMPARE(f.ListBox3->item(0)->text(),
                 QStringLiteral("01: Thomas Becker (Erfahrung: 2 von 6)"));

        f.Button1->click();
        f.ListBox1->setCurrentRow(0);
        f.ListBox3->setCurrentRow(0);
        f.Button1->click();
        f.ListBox2->setCurrentRow(0);
        f.ListBox3->setCurrentRow(-1);
        f.Button1->click();
        QCOMPARE(t->meldungen,
                 (QStringList{QStringLiteral("Wählen Sie den zu erledigende Auftrag aus."),
                              QStringLiteral("Wählen Sie das Taxi aus, das den Auftrag "
                                             "erledigen soll."),
                              QStringLiteral("Wählen Sie den Fahrer aus, der den Auftrag "
                                             "erledigen soll.")}));

        // focus alone chooses nothing; the keyboard chooses like the mouse
        f.auffrischen();
        QFocusEvent fokus(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(f.ListBox3, &fokus);
        QCOMPARE(t->lauf.gewaehlterfahrer, -1);
        f.ListBox1->setCurrentRow(0);
        f.ListBox2->setCurrentRow(0);
        QTest::keyClick(f.ListBox3, Qt::Key_Down);
        QTest::keyClick(f.ListBox3, Qt::Key_Down);
        QCOMPARE(t->lauf.gewaehlterfahrer, 1);
        f.Button1->click();
        QCOMPARE(st.fahrer[2].unterwegs, 1);
        QCOMPARE(st.auftraege[1].unterwegs, 1);
        QCOMPARE(t->lauf.gewaehlterauftrag, -1);
        QCOMPARE(t->lauf.gewaehltestaxi, -1);
        QCOMPARE(t->lauf.gewaehlterfahrer, -1);
        QCOMPARE(f.ListBox1->count(), 0);
        QCOMPARE(f.ListBox2->count(), 0);
        QCOMPARE(f.ListBox3->count(), 1);
        QCOMPARE(h.auftraegeamerledigenlistbox->count(), 1);
        f.repaint();  // a plain repaint rebuilds nothing
        QCOMPARE(t->lauf.gewaehlterauftrag, -1);
        f.Button2->click();
        QVERIFY(!h.isHidden());

        // what changed while the screen was closed shows when it opens again
        angenommenerAuftrag(st, 2, 4);
        h.taxi_sendenbutton->click();
        QCOMPARE(f.ListBox1->count(), 1);
        QVERIFY(f.ListBox1->item(0)->text().contains(QStringLiteral("000004")));
    }

    // The keyboard focus is visible on the grey lists, before and after a line is chosen.
    void fokusIstZuSehen() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        angenommenerAuftrag(t->stand, 1, 3);
        h.taxi_sendenbutton->click();
        TTaxi_sendenform& f = *p->taxi_sendenform();
        QApplication::setActiveWindow(&f);
        f.Button2->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        auto gelbeRandpunkte = [&](QListWidget* l) {
            QCoreApplication::processEvents();
            const QImage bild = l->grab().toImage();
            int n = 0;
            for (int x = 0; x < bild.width(); ++x) {
                const QColor c = bild.pixelColor(x, 0);
                if (c.red() > 240 && c.green() > 240 && c.blue() < 40) ++n;
            }
            return n;
        };
        QCOMPARE(gelbeRandpunkte(f.ListBox1), 0);
        f.ListBox1->setFocus(Qt::TabFocusReason);
        QVERIFY(f.ListBox1->hasFocus());
        QVERIFY(gelbeRandpunkte(f.ListBox1) > f.ListBox1->width() / 2);
        QCOMPARE(t->lauf.gewaehlterauftrag, -1);  // focus alone chooses nothing
        // the current line carries a frame of black and white, visible on grey and on the
        // selection alike
        QTest::keyClick(f.ListBox1, Qt::Key_Down);
        QCoreApplication::processEvents();
        const QRect zeile = f.ListBox1->visualItemRect(f.ListBox1->item(0));
        const Helligkeiten rand = helligkeiten(f.ListBox1->viewport()->grab().toImage(),
                                               zeile.adjusted(0, 0, 0, -zeile.height() + 2));
        QVERIFY(rand.dunkel > 0 && rand.hell > 0);
    }
};

QTEST_MAIN(TestTaxiSendenform)
#include "taxisendenform_test.moc"
