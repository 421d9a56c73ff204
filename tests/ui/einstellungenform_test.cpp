// The settings screen: speeds before and during a game.
#include <QtTest>

#include "testprogramm.h"
#include "ui/einstellungenform.h"

using namespace kabrolux;
using namespace kabrolux::ui;
using namespace kabrolux::test;

class TestEinstellungenform : public ProgrammTest {
    Q_OBJECT

  private slots:
    void geschwindigkeitVorUndImSpiel() {
        THauptform& h = *p->hauptform;
        taste(&h, '3');
        QVERIFY(!h.Timer1.isActive());
        QCOMPARE(t->uhr.intervall(), 1000);

        p->einstellungenform()->RadioButton2->click();  // "Normal (3)"
        QVERIFY(!h.Timer1.isActive());
        h.Spiel_startenbuttonClick();
        QVERIFY(h.Timer1.isActive());
        QCOMPARE(h.Timer1.interval(), 400);

        p->einstellungenform()->RadioButton4->click();  // "Pause (0)"
        QVERIFY(!h.Timer1.isActive());
        taste(h.verfuegbarefahrerlistbox, '1');  // also while a list has the focus
        QVERIFY(h.Timer1.isActive());
        QCOMPARE(h.Timer1.interval(), 2000);
        QVERIFY(p->einstellungenform()->RadioButton4->isChecked());
        taste(&h, '0');
        QVERIFY(!h.Timer1.isActive());
    }
};

QTEST_MAIN(TestEinstellungenform)
#include "einstellungenform_test.moc"
