// The prices screen as a player uses it.
#include <QtTest>

#include <QTextBlock>
#include <QTextLayout>
#include "economy/form/preiseform.h"
#include "lesbar.h"
#include "sim/auftragerzeugen.h"
#include "testanzeige.h"
#include "testprogramm.h"

using namespace kabrolux;
using namespace kabrolux::ui;
using namespace kabrolux::test;

namespace {

// The focus leaves a field for another control of the screen.
void verlassen(QWidget* feld, Qt::FocusReason grund = Qt::TabFocusReason) {
    QFocusEvent e(QEvent::FocusOut, grund);
    QCoreApplication::sendEvent(feld, &e);
}

}  // namespace

class TestPreiseform : public ProgrammTest {
    Q_OBJECT

    Tpreiseform& oeffnen() {
        p->hauptform->Spiel_startenbuttonClick();
        p->hauptform->preisebutton->click();
        return *p->preiseform();
    }

  private slots:
    void aufbau() {
        Tpreiseform& f = *p->preiseform();
        QCOMPARE(f.windowTitle(), QStringLiteral("Preise"));
        QCOMPARE(f.Label1->text(), QStringLiteral("Preis pro gefahrener Kilometer:"));
        QCOMPARE(f.Label2->text(), QStringLiteral("Grundpreis pro Fahrt:"));
        QCOMPARE(f.Label3->text(), QStringLiteral("€"));
        QCOMPARE(f.Label4->text(), QStringLiteral("€"));
        QCOMPARE(f.Edit1->text(), QStringLiteral("1,2"));
        QCOMPARE(f.Edit2->text(), QStringLiteral("3"));
        QCOMPARE(f.Button1->text(), QStringLiteral("Zurück ins Hauptmenü"));
        const QStringList zeilen{
            QStringLiteral("Hinweis:"),
            QStringLiteral("Bitte beachten Sie, dass überhöhte Preise zu "),
            QStringLiteral("Imageverlust führen. Sollten extrem unverschämte "),
            QStringLiteral("Preise angegeben werden, so ist es möglich, dass "),
            QStringLiteral("der Verbraucherschutzverband Sie zum Zahlen "),
            QStringLiteral("einer Geld-Strafe zwingt.")};
        QCOMPARE(f.Memo1->text().split(QLatin1Char('\n')), zeilen);
        QCOMPARE(f.Memo1->frameShape(), QFrame::NoFrame);
        QCOMPARE(f.Memo1->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(f.palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(f.palette().color(QPalette::WindowText), QColor(Qt::yellow));
        QCOMPARE(f.Label1->palette().color(QPalette::WindowText), QColor(Qt::yellow));
        QCOMPARE(abgeschnitten(&f).join(QLatin1Char('\n')), QString());
        // Every line centred, and the whole hint visible.
        QVERIFY(f.Memo1->alignment() & Qt::AlignHCenter);
        QVERIFY(f.Memo1->sizeHint().height() <= f.Memo1->height());
        QVERIFY(f.Memo1->sizeHint().width() <= f.Memo1->width());
    }

    void knopfSchliesstUndUebernimmt() {
        Tpreiseform& f = oeffnen();
        QVERIFY(f.isVisible());
        QVERIFY(p->hauptform->isHidden());
        f.Edit1->setText(QStringLiteral("1,5"));
        f.Edit2->setText(QStringLiteral("2,5"));
        QTest::mouseClick(f.Button1, Qt::LeftButton);
        QVERIFY(f.isHidden());
        QVERIFY(p->hauptform->isVisible());
        QCOMPARE(t->stand.grundpreis, 2.5);
        QCOMPARE(t->stand.kilometerpreis, 1.5);
        QVERIFY(t->meldungen.isEmpty());
    }

    void schliessfeldUebernimmtEbenso() {
        Tpreiseform& f = oeffnen();
        f.Edit1->setText(QStringLiteral("0,8"));
        f.Edit2->setText(QStringLiteral("4"));
        QVERIFY(f.close());
        QVERIFY(p->hauptform->isVisible());
        QCOMPARE(t->stand.grundpreis, 4.0);
        QCOMPARE(t->stand.kilometerpreis, 0.8);
    }

    void leeresFeldHaeltDenSchirmOffen() {
        Tpreiseform& f = oeffnen();
        f.Edit2->setText(QString());
        QVERIFY(!f.close());
        QVERIFY(f.isVisible());
        QVERIFY(p->hauptform->isHidden());
        QCOMPARE(t->meldungen,
                 QStringList{QStringLiteral("'' is not a valid floating point value")});
        f.Edit2->setText(QStringLiteral("3"));
        f.Button1->click();
        QVERIFY(f.isHidden());
        QVERIFY(p->hauptform->isVisible());
    }

    void trennzeichenBeimVerlassen() {
        Tpreiseform& f = oeffnen();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.Edit1->setFocus();
        f.Edit1->clear();
        QTest::keyClicks(f.Edit1, QStringLiteral("1.5"));
        QTest::keyClick(f.Edit1, Qt::Key_Return);  // Return alone leaves the field as it is
        QCOMPARE(f.Edit1->text(), QStringLiteral("1.5"));
        QTest::keyClick(f.Edit1, Qt::Key_Tab);
        QVERIFY(f.Edit2->hasFocus());
        QCOMPARE(f.Edit1->text(), QStringLiteral("1,5"));

        f.Edit2->clear();
        QTest::keyClicks(f.Edit2, QStringLiteral("2.50"));
        QTest::mouseClick(f.Edit1, Qt::LeftButton);
        QVERIFY(f.Edit1->hasFocus());
        QCOMPARE(f.Edit2->text(), QStringLiteral("2,50"));
        QCOMPARE(f.Edit1->text(), QStringLiteral("1,5"));  // a comma stays

        // The window losing the focus or a context menu is no leaving of the field.
        f.Edit1->setText(QStringLiteral("1.5"));
        verlassen(f.Edit1, Qt::ActiveWindowFocusReason);
        QCOMPARE(f.Edit1->text(), QStringLiteral("1.5"));
        verlassen(f.Edit1, Qt::PopupFocusReason);
        QCOMPARE(f.Edit1->text(), QStringLiteral("1.5"));
    }

    void knopfVerlaesstDasFeldAuchOhneMaus() {
        Tpreiseform& f = oeffnen();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.Edit1->setFocus();
        f.Edit1->setText(QStringLiteral("1.5"));
        f.Button1->click();  // as assistive technology presses it
        QVERIFY(f.isHidden());
        QCOMPARE(f.Edit1->text(), QStringLiteral("1,5"));
        QCOMPARE(t->stand.kilometerpreis, 1.5);
    }

    // Each input with the text each field shows after leaving it, and the price it gives.
    static void eingaben() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("kmDanach");
        QTest::addColumn<QString>("grundDanach");
        QTest::addColumn<bool>("zahl");
        QTest::addColumn<double>("wert");
        // which texts are numbers, and how leaving a field repairs them, the core's tests pin;
        // here one of each kind shows through the screen
        QTest::newRow("leer") << ""
                              << ""
                              << "" << false << 0.0;
        QTest::newRow("Tausenderpunkt") << "1.000"
                                        << "1,000"
                                        << "1,000" << true << 1.0;
        QTest::newRow("zwei Kommas") << "1,2,3"
                                     << "1.2.3"
                                     << "1,2,3" << false << 0.0;
        QTest::newRow("Leerzeichen vorn") << " 1.5"
                                          << " 1,5"
                                          << " 1,5" << true << 1.5;
    }

    // Closing takes the text, or shows its message and stays open.
    void schliessen(bool zahl, const QString& text) {
        Tpreiseform& f = *p->preiseform();
        QCOMPARE(f.close(), zahl);
        QCOMPARE(f.isVisible(), !zahl);
        QCOMPARE(p->hauptform->isVisible(), zahl);
        const QString meldung = QStringLiteral("'%1' is not a valid floating point value");
        QCOMPARE(t->meldungen, zahl ? QStringList() : QStringList{meldung.arg(text)});
        QCOMPARE(t->stand.vermoegen, 50000.0);
    }

    void falscheEingabenImKilometerfeld_data() { eingaben(); }
    void falscheEingabenImKilometerfeld() {
        QFETCH(QString, eingabe);
        QFETCH(QString, kmDanach);
        QFETCH(bool, zahl);
        QFETCH(double, wert);
        Tpreiseform& f = oeffnen();
        f.Edit2->setText(QStringLiteral("4"));
        f.Edit1->setText(eingabe);
        verlassen(f.Edit1);
        QCOMPARE(f.Edit1->text(), kmDanach);
        QCOMPARE(f.Edit2->text(), QStringLiteral("4"));
        schliessen(zahl, kmDanach);
        QCOMPARE(t->stand.grundpreis, 4.0);  // the base price is taken first either way
        QCOMPARE(t->stand.kilometerpreis, zahl ? wert : 1.2);
        QCOMPARE(f.Edit1->text(), kmDanach);
    }

    void falscheEingabenImGrundpreisfeld_data() { eingaben(); }
    void falscheEingabenImGrundpreisfeld() {
        QFETCH(QString, eingabe);
        QFETCH(QString, grundDanach);
        QFETCH(bool, zahl);
        QFETCH(double, wert);
        Tpreiseform& f = oeffnen();
        f.Edit1->setText(QStringLiteral("2"));
        f.Edit2->setText(eingabe);
        verlassen(f.Edit2);
        QCOMPARE(f.Edit2->text(), grundDanach);
        QCOMPARE(f.Edit1->text(), QStringLiteral("2"));
        schliessen(zahl, grundDanach);
        // A bad base price leaves both prices as they were.
        QCOMPARE(t->stand.grundpreis, zahl ? wert : 3.0);
        QCOMPARE(t->stand.kilometerpreis, zahl ? 2.0 : 1.2);
    }

    void neuesSpielLiestDieFelder() {
        Tpreiseform& f = *p->preiseform();
        f.Edit1->setText(QStringLiteral("2,5"));
        f.Edit2->setText(QStringLiteral("4"));
        p->hauptform->Spiel_startenbuttonClick();
        QCOMPARE(t->stand.grundpreis, 4.0);
        QCOMPARE(t->stand.kilometerpreis, 2.5);
    }

    void strafeSchreibtDieFelder() {
        Tpreiseform& f = oeffnen();
        f.Edit1->setText(QStringLiteral("11"));
        QVERIFY(f.close());
        QCOMPARE(t->stand.kilometerpreis, 11.0);
        // An order falls due: n = Round(30 x 3 + 11 + 40) = 141.
        t->zeit.ms = suchMs([](Zufall& z) { return z.Random(141) == 0; });
        auftragerzeugen(p->spiel);
        QCOMPARE(t->meldungen.size(), 1);
        QCOMPARE(f.Edit1->text(), QStringLiteral("1,2"));
        QCOMPARE(f.Edit2->text(), QStringLiteral("3"));
        QCOMPARE(p->hauptform->Label4->text(), QStringLiteral("Vermögen: 49000 €"));
    }
};

QTEST_MAIN(TestPreiseform)
#include "preiseform_test.moc"
