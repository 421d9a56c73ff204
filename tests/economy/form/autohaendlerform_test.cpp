// The car dealer as a player uses it.
#include <QtTest>

#include <QDir>
#include <QTemporaryDir>
#include "economy/form/autohaendlerform.h"
#include "sim/auftragerzeugen.h"
#include "testprogramm.h"

using namespace kabrolux;
using namespace kabrolux::ui;
using namespace kabrolux::test;

class TestAutohaendlerform : public ProgrammTest {
    Q_OBJECT

  private slots:
    void kaufenUndBlaettern() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        h.autohaendlerbutton->click();
        TAutohaendlerform& a = *p->autohaendlerform();
        QVERIFY2(a.isVisible(), qPrintable(t->meldungen.join(QLatin1Char('|'))));
        QVERIFY(!a.Image1->pixmap().isNull());
        QCOMPARE(a.Label5->text(), QStringLiteral("Preis: 20000 €"));
        a.Button2->click();
        QCOMPARE(t->stand.aktuellesauto, 1);
        for (int i = 0; i < 4; ++i)
            a.Button1->click();
        QCOMPARE(a.Label1->text(), QStringLiteral("Taxi Variante 4"));
        a.Button3->click();
        QCOMPARE(a.Label6->text(), QStringLiteral("Vermögen: 0 €"));
        QCOMPARE(h.Label4->text(), QStringLiteral("Vermögen: 0 €"));
        a.close();
        QCOMPARE(h.verfuegbaretaxenlistbox->item(0)->text(), QStringLiteral("01: Taxi Variante 4"));
    }

    // A fine while the dealer is open: its money label keeps the figure of its opening until
    // the next purchase or opening; the main screen's follows at once.
    void geldNurBeimOeffnenUndKaufen() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        h.autohaendlerbutton->click();
        TAutohaendlerform& a = *p->autohaendlerform();
        t->stand.kilometerpreis = 50;  // the next due order brings the consumer-protection fine
        t->zeit.ms = 0;                // and its roll makes an order due
        auftragerzeugen(p->spiel);
        QCOMPARE(t->meldungen.size(), 1);
        QCOMPARE(h.Label4->text(), QStringLiteral("Vermögen: 49000 €"));
        QCOMPARE(a.Label6->text(), QStringLiteral("Vermögen: 50000 €"));
        a.close();
        h.autohaendlerbutton->click();
        QCOMPARE(a.Label6->text(), h.Label4->text());
    }

    void unlesbaresBildHaeltDenSchirmZu() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        {
            KaputteBilder bilder;
            QVERIFY(bilder.gueltig());
            h.autohaendlerbutton->click();
        }
        QVERIFY(p->autohaendlerform()->isHidden());
        QVERIFY(!h.isHidden());
        QCOMPARE(t->meldungen.size(), 1);
        QVERIFY2(t->meldungen[0].startsWith(QStringLiteral("Not a JPEG file")),
                 qPrintable(t->meldungen[0]));
    }
};

QTEST_MAIN(TestAutohaendlerform)
#include "autohaendlerform_test.moc"
