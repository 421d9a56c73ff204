// The personnel screen as a player uses it.
#include <QtTest>

#include <QDir>
#include <QTemporaryDir>
#include "economy/form/personalform.h"
#include "testprogramm.h"

using namespace kabrolux;
using namespace kabrolux::ui;
using namespace kabrolux::test;

class TestPersonalform : public ProgrammTest {
    Q_OBJECT

  private slots:
    void einstellenUndEntlassen() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        h.personalbutton->click();
        TPersonalform& f = *p->personalform();
        QVERIFY(f.isVisible());
        QVERIFY(!f.Image1->pixmap().isNull());
        QVERIFY(!f.Button3->isHidden());
        QVERIFY(f.Button4->isHidden());
        f.Button3->click();
        QVERIFY(f.Button3->isHidden());
        QVERIFY(!f.Button4->isHidden());
        f.Button2->click();
        QVERIFY(!f.Button3->isHidden());
        f.Button1->click();
        f.Button4->click();
        QCOMPARE(t->meldungen.last(),
                 QStringLiteral("Der entlassene Fahrer bekommt heute sein letztes Gehalt "
                                "ausgezahlt."));
        QVERIFY(!f.Button3->isHidden());
    }

    void unlesbaresBildHaeltDenSchirmZu() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        {
            KaputteBilder bilder;
            QVERIFY(bilder.gueltig());
            h.personalbutton->click();
        }
        QVERIFY(p->personalform()->isHidden());
        QVERIFY(!h.isHidden());
        QCOMPARE(t->meldungen.size(), 1);
        QVERIFY2(t->meldungen[0].contains(QStringLiteral("personal/1.jpg")),
                 qPrintable(t->meldungen[0]));
    }
};

QTEST_MAIN(TestPersonalform)
#include "personalform_test.moc"
