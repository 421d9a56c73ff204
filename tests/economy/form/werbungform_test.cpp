// The advertising screen as a player uses it.
#include <QtTest>

#include "economy/form/bankform.h"
#include "economy/form/werbungform.h"
#include "lesbar.h"
#include "testprogramm.h"

using namespace kabrolux;
using namespace kabrolux::ui;
using namespace kabrolux::test;

class TestWerbungform : public ProgrammTest {
    Q_OBJECT

    Twerbungform& oeffnen() {
        if (t->stand.spiellaeuft != 1) p->hauptform->Spiel_startenbuttonClick();
        p->hauptform->Werbungbutton->click();
        return *p->werbungform();
    }

  private slots:
    void aufbau() {
        Twerbungform& f = *p->werbungform();
        QCOMPARE(f.windowTitle(), QStringLiteral("Werbung"));
        QCOMPARE(f.RadioGroup1->title(), QStringLiteral("Werbeart:"));
        const QList<QRadioButton*> knoepfe{f.RadioButton1, f.RadioButton2, f.RadioButton3,
                                           f.RadioButton4, f.RadioButton5};
        const QStringList texte{QStringLiteral("Plakate (500 €,    Werbepunkte: 10)"),
                                QStringLiteral("Flugblätter (1000 €,    Werbepunkte: 25)"),
                                QStringLiteral("Kinowerbung (2000 €,    Werbepunkte: 55)"),
                                QStringLiteral("Radiowerbung (4000 €,    Werbepunkte: 120)"),
                                QStringLiteral("Fersehwerbung (8000 €,    Werbepunkte: 260)")};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(knoepfe[i]->text(), texte[i]);
            QCOMPARE(knoepfe[i]->parentWidget(), f.RadioGroup1);
            QCOMPARE(knoepfe[i]->isChecked(), i == 0);
        }
        QCOMPARE(f.Button1->text(), QStringLiteral("Ja, markierte Werbung kaufen"));
        QCOMPARE(f.Button2->text(), QStringLiteral("Abbruch"));
        QCOMPARE(f.palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(f.RadioButton5->palette().color(QPalette::WindowText), QColor(Qt::yellow));
        QCOMPARE(abgeschnitten(&f).join(QLatin1Char('\n')), QString());
    }

    void kaufen() {
        Twerbungform& f = oeffnen();
        QVERIFY(f.isVisible());
        QVERIFY(p->hauptform->isHidden());
        QTest::mouseClick(f.RadioButton2, Qt::LeftButton);
        QVERIFY(f.RadioButton2->isChecked());
        QVERIFY(!f.RadioButton1->isChecked());
        QTest::mouseClick(f.Button1, Qt::LeftButton);
        QVERIFY(f.isHidden());
        QVERIFY(p->hauptform->isVisible());
        QCOMPARE(t->stand.vermoegen, 49000.0);
        QCOMPARE(t->stand.bekanntheit, 25);
        QCOMPARE(p->hauptform->Label4->text(), QStringLiteral("Vermögen: 49000 €"));
        QCOMPARE(p->hauptform->ProgressBar2->value(), 25);
        // The bank shows the same money.
        p->hauptform->bankbutton->click();
        QCOMPARE(p->bankform()->Label44->text(), p->hauptform->Label4->text());
    }

    // Refused silently, and the screen closes all the same (the limits are the core's tests').
    void zuWenigGeld() {
        Twerbungform& f = oeffnen();
        t->stand.vermoegen = 499;
        f.Button1->click();
        QVERIFY(f.isHidden());
        QVERIFY(p->hauptform->isVisible());
        QCOMPARE(t->stand.vermoegen, 499.0);
        QCOMPARE(t->stand.bekanntheit, 0);
        QVERIFY(t->meldungen.isEmpty());
    }

    void auswahlBleibtUndAbbruchKauftNichts() {
        Twerbungform& f = oeffnen();
        f.RadioButton4->click();
        f.Button2->click();
        QVERIFY(f.isHidden());
        QVERIFY(p->hauptform->isVisible());
        oeffnen();
        QVERIFY(f.RadioButton4->isChecked());
        QVERIFY(f.close());  // the close box buys nothing either
        QVERIFY(p->hauptform->isVisible());
        QCOMPARE(t->stand.vermoegen, 50000.0);
        QCOMPARE(t->stand.bekanntheit, 0);
    }

    void mitDerTastatur() {
        Twerbungform& f = oeffnen();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.RadioButton1->setFocus();
        QTest::keyClick(f.RadioButton1, Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(f.RadioButton3->isChecked());
        f.Button1->setFocus();
        QTest::keyClick(f.Button1, Qt::Key_Space);
        QVERIFY(f.isHidden());
        QCOMPARE(t->stand.bekanntheit, 55);
        QCOMPARE(t->stand.vermoegen, 48000.0);
    }
};

QTEST_MAIN(TestWerbungform)
#include "werbungform_test.moc"
