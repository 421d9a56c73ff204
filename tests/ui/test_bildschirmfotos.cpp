// Pictures of every screen for the README: KABROLUX_FOTOS=docs/screens.
#include <QtTest>

#include <QDir>
#include "desk/form/posteingangform.h"
#include "desk/form/taxisendenform.h"
#include "economy/form/autohaendlerform.h"
#include "economy/form/personalform.h"
#include "sim/takt.h"
#include "testprogramm.h"
#include "ui/einstellungenform.h"

using namespace kabrolux;
using namespace kabrolux::ui;
using namespace kabrolux::test;

class TestBildschirmfotos : public ProgrammTest {
    Q_OBJECT

  private slots:
    // With KABROLUX_FOTOS set to a folder, saves pictures of the screens there.
    void bildschirmfotos() {
        const QString ordner = qEnvironmentVariable("KABROLUX_FOTOS");
        if (ordner.isEmpty()) QSKIP("KABROLUX_FOTOS not set");
        QDir().mkpath(ordner);
        THauptform& h = *p->hauptform;
        h.grab().save(ordner + QStringLiteral("/hauptform_start.png"));
        p->einstellungenform->grab().save(ordner + QStringLiteral("/einstellungen.png"));
        h.Spiel_startenbuttonClick();
        Spielstand& st = t->stand;
        st.image = 35;
        st.bekanntheit = 120;
        st.untergrundansehen = 4;
        for (int k = 1; k <= 3; ++k) {
            st.taxen[k] = Taxi{1, 20000 + 10000 * k, 0, k == 1, k == 1 ? 40 : 0, k + 1, k};
            st.fahrer[k] = Fahrer{1, 97, k == 1, k == 1 ? 40 : 0, 3 * k, k, 2};
        }
        for (int r = 1; r <= 6; ++r)
            auftrag(st, r, r, r % 2 == 0);
        st.auftraege[3].sonderauftrag = 1;
        st.auftraege[3].einnahmen = 5432;
        st.auftraege[1].unterwegs = 1;
        st.auftraege[1].restminuten = 40;
        st.auftraege[1].kilometer = 23;
        st.auftraege[1].einnahmen = 31;
        t->stand.auftragsnummer = 7;
        t->zeit.ms = 1;
        Timer1Timer(p->spiel);
        h.FormPaint();
        h.grab().save(ordner + QStringLiteral("/hauptform.png"));
        h.posteingangbutton->click();
        QCoreApplication::processEvents();
        p->posteingangform->grab().save(ordner + QStringLiteral("/posteingang.png"));
        p->posteingangform->close();
        h.taxi_sendenbutton->click();
        QApplication::setActiveWindow(p->taxi_sendenform.get());
        p->taxi_sendenform->ListBox1->setFocus(Qt::TabFocusReason);
        p->taxi_sendenform->ListBox1->setCurrentRow(0);
        QCoreApplication::processEvents();
        p->taxi_sendenform->grab().save(ordner + QStringLiteral("/taxisenden.png"));
        p->taxi_sendenform->close();
        h.autohaendlerbutton->click();
        p->autohaendlerform->Button1Click();
        p->autohaendlerform->Button1Click();
        p->autohaendlerform->grab().save(ordner + QStringLiteral("/autohaendler.png"));
        p->autohaendlerform->close();
        h.personalbutton->click();
        p->personalform->Button2Click();
        p->personalform->Button2Click();
        p->personalform->grab().save(ordner + QStringLiteral("/personal.png"));
        QVERIFY(QFile::exists(ordner + QStringLiteral("/personal.png")));
    }
};

QTEST_MAIN(TestBildschirmfotos)
#include "test_bildschirmfotos.moc"
