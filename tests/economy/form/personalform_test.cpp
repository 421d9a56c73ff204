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

    // "Entlassen" appears where "Einstellen" was: the second click of a double-click hires
    // nobody away again. A double-click on one button still clicks it twice.
    void doppelklickStelltEinmalEin() {
        p->hauptform->Spiel_startenbuttonClick();
        p->hauptform->personalbutton->click();
        TPersonalform& f = *p->personalform();
        auto maus = [](QWidget* w, QEvent::Type art) {
            QMouseEvent e(art, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                          art == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
            QApplication::sendEvent(w, &e);
        };
        maus(f.Button3, QEvent::MouseButtonPress);
        maus(f.Button3, QEvent::MouseButtonRelease);
        maus(f.Button4, QEvent::MouseButtonDblClick);
        maus(f.Button4, QEvent::MouseButtonRelease);
        QCOMPARE(t->stand.eingestellt[1], 1);
        QVERIFY(t->meldungen.isEmpty());
        QVERIFY(!f.Button4->isHidden());
        f.Button2->click();  // candidate 2, hired by a double-click on the same button
        int klicks = 0;
        connect(f.Button3, &QPushButton::clicked, this, [&] { ++klicks; });
        for (auto art : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                         QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
            maus(f.Button3, art);
        QCOMPARE(klicks, 2);
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
