// The main screen: start, new game, clock, keys.
#include <QtTest>

#include "desk/form/posteingangform.h"
#include "desk/form/statistikform.h"
#include "desk/form/taxisendenform.h"
#include "economy/form/autohaendlerform.h"
#include "economy/form/bankform.h"
#include "economy/form/personalform.h"
#include "economy/form/preiseform.h"
#include "economy/form/werbungform.h"
#include "sim/takt.h"
#include "testprogramm.h"
#include "ui/einstellungenform.h"

using namespace kabrolux;
using namespace kabrolux::ui;
using namespace kabrolux::test;

class TestHauptform : public ProgrammTest {
    Q_OBJECT

  private slots:
    void programmstartUndNeuesSpiel() {
        THauptform& h = *p->hauptform;
        QCOMPARE(h.windowTitle(), QStringLiteral("Kabrolux Version 1.5"));
        // Screens carry their instance names, labels theirs: assistive technology and tests
        // find them by these.
        const QList<QPair<QWidget*, const char*>> namen{
            {p->hauptform.get(), "Hauptform"},
            {p->autohaendlerform.get(), "Autohaendlerform"},
            {p->personalform.get(), "Personalform"},
            {p->posteingangform.get(), "Posteingangform"},
            {p->werbungform.get(), "werbungform"},
            {p->statistikform.get(), "statistikform"},
            {p->bankform.get(), "bankform"},
            {p->preiseform.get(), "preiseform"},
            {p->einstellungenform.get(), "einstellungenform"},
            {p->taxi_sendenform.get(), "Taxi_sendenform"}};
        for (const auto& [form, name] : namen)
            QCOMPARE(form->objectName(), QString::fromLatin1(name));
        for (auto* b :
             {h.Spiel_startenbutton, h.einstellungenbutton, h.ladenbutton, h.spielendebutton})
            QVERIFY(!b->isHidden());
        for (auto* b : nachSpiel(h))
            QVERIFY(b->isHidden());
        QVERIFY(!h.Timer1.isActive());
        QVERIFY(p->taxi_sendenform->isHidden());
        QCOMPARE(p->taxi_sendenform->windowTitle(), QStringLiteral("Taxi entsenden"));
        QCOMPARE(p->autohaendlerform->windowTitle(), QStringLiteral("Autohänder"));

        QTest::mouseClick(h.Spiel_startenbutton, Qt::LeftButton);
        QVERIFY(h.Spiel_startenbutton->isHidden());
        for (auto* b : nachSpiel(h))
            QVERIFY(!b->isHidden());
        QCOMPARE(h.Label4->text(), QStringLiteral("Vermögen: 50000 €"));
        QVERIFY(h.Timer1.isActive());
        QCOMPARE(h.Timer1.interval(), 1000);
        QCOMPARE(h.verfuegbaretaxenlistbox->count(), 0);
    }

    void uhrLaeuftUndTaktSchreibtDieUhren() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        t->stand.spielzeit = datumZeit(2026, 12, 7, 10, 0);
        taste(&h, '4');
        QTRY_COMPARE_WITH_TIMEOUT(h.Label2->text(), QStringLiteral("07.12.2026  10:01 Uhr"), 2000);
        QCOMPARE(p->einstellungenform->Label1->text(), h.Label2->text());
        QVERIFY(h.Timer1.isActive());
    }
};

QTEST_MAIN(TestHauptform)
#include "test_hauptform.moc"
