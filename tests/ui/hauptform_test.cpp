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
#include "state/auftraege.h"
#include "testprogramm.h"
#include "ui/basis/fensterplatz.h"
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
            {p->autohaendlerform(), "Autohaendlerform"},
            {p->personalform(), "Personalform"},
            {p->posteingangform(), "Posteingangform"},
            {p->werbungform(), "werbungform"},
            {p->statistikform(), "statistikform"},
            {p->bankform(), "bankform"},
            {p->preiseform(), "preiseform"},
            {p->einstellungenform(), "einstellungenform"},
            {p->taxi_sendenform(), "Taxi_sendenform"}};
        for (const auto& [form, name] : namen)
            QCOMPARE(form->objectName(), QString::fromLatin1(name));
        // a few controls of each screen, found by their names
        const QList<QPair<QWidget*, const char*>> steuerelemente{
            {p->bankform(), "Label45"},         {p->bankform(), "ComboBox1"},
            {p->preiseform(), "Edit2"},         {p->werbungform(), "RadioButton5"},
            {p->statistikform(), "Label10"},    {p->posteingangform(), "CheckListBox1"},
            {p->taxi_sendenform(), "ListBox3"}, {p->einstellungenform(), "RadioButton9"},
            {p->personalform(), "Button4"},     {p->autohaendlerform(), "Image1"}};
        for (const auto& [form, name] : steuerelemente)
            QVERIFY2(form->findChild<QWidget*>(QString::fromLatin1(name)), name);
        for (auto* b :
             {h.Spiel_startenbutton, h.einstellungenbutton, h.ladenbutton, h.spielendebutton})
            QVERIFY(!b->isHidden());
        for (auto* b : nachSpiel(h))
            QVERIFY(b->isHidden());
        QVERIFY(!h.Timer1.isActive());
        QVERIFY(p->taxi_sendenform()->isHidden());
        QCOMPARE(p->taxi_sendenform()->windowTitle(), QStringLiteral("Taxi entsenden"));
        QCOMPARE(p->autohaendlerform()->windowTitle(), QStringLiteral("Autohänder"));

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
        QCOMPARE(p->einstellungenform()->Label1->text(), h.Label2->text());
        QVERIFY(h.Timer1.isActive());
    }

    void skalaUndBeschriftungenTragenIhreNamen() {
        THauptform& h = *p->hauptform;
        const QList<QPair<const char*, const char*>> texte{{"Label9", "0"},
                                                           {"Label10", "-100"},
                                                           {"Label11", "100"},
                                                           {"Label12", "300"},
                                                           {"Label13", "150"},
                                                           {"Label14", "0"},
                                                           {"Label15", "Aufträge am erledigen:"},
                                                           {"Label5", "Verfügbare Taxen:"}};
        for (const auto& [name, text] : texte) {
            auto* l = h.findChild<QLabel*>(QString::fromLatin1(name));
            QVERIFY2(l, name);
            QCOMPARE(l->text(), QString::fromUtf8(text));
        }
        QVERIFY(h.findChild<QProgressBar*>(QStringLiteral("ProgressBar3")));
        QVERIFY(h.findChild<TDFWSelButton*>(QStringLiteral("ladenbutton")));
        // the scale sits under its bar: "-100" at the left end, "100" at the right end
        QCOMPARE(h.Label10->x(), h.ProgressBar1->x());
        QCOMPARE(h.Label11->geometry().right(), h.ProgressBar1->geometry().right());
    }

    // A trip ends in a tick; whatever the slots of its taxi and driver, the main screen lists
    // them as free at the end of that tick.
    void freieTaxenUndFahrerNachDemTakt() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        struct Fall {
            int zeile, taxi, fahrer;
        };
        // (the core's tests go through the other orders of row and slots)
        for (const Fall f : {Fall{1, 2, 2}, Fall{3, 1, 1}}) {
            Spielstand& st = t->stand;
            leereTabelle(st.auftraege);
            for (int k = 1; k <= kSlots; ++k) {
                st.taxen[k].belegt = 0;
                st.fahrer[k].belegt = 0;
            }
            for (int r = 1; r < f.zeile; ++r)
                raeumeZeile(st.auftraege[r]);
            fahrenderAuftrag(st, f.zeile, 41, 1);
            aufFahrt(gekauftesTaxi(st, f.taxi, 3, 4), 1);
            aufFahrt(eingestellterFahrer(st, f.fahrer, 2, 5), 1);
            h.FormPaint();
            QCOMPARE(h.verfuegbaretaxenlistbox->count(), 0);
            Timer1Timer(p->spiel);
            QCOMPARE(t->stand.auftraege[f.zeile].belegt, 0);
            QCOMPARE(h.verfuegbaretaxenlistbox->count(), 1);
            QCOMPARE(h.verfuegbaretaxenlistbox->item(0)->text(),
                     QStringLiteral("04: Taxi Variante 3"));
            QCOMPARE(h.verfuegbarefahrerlistbox->count(), 1);
            QVERIFY(h.verfuegbarefahrerlistbox->item(0)->text().startsWith(QStringLiteral("05: ")));
            QCOMPARE(h.auftraegeamerledigenlistbox->count(), 0);
        }
    }

    // Every screen opens centred over the main screen, reopens where it was left, and the main
    // screen comes back exactly where it was.
    void fensterBleibenWoSieWaren() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        const QRect flaeche = verfuegbareFlaeche(h);
        h.move(flaeche.topLeft() + QPoint(3, 5));
        const QPoint haupt = h.pos();
        h.statistikbutton->click();
        Nebenform* f = p->statistikform();
        QVERIFY(f->isVisible());
        const QPoint mitte = h.frameGeometry().center();
        QVERIFY2((f->frameGeometry().center() - mitte).manhattanLength() < 40,
                 qPrintable(QStringLiteral("%1,%2").arg(f->x()).arg(f->y())));
        f->move(f->pos() + QPoint(37, 23));
        const QPoint verschoben = f->pos();
        for (int i = 0; i < 10; ++i) {
            f->close();
            QVERIFY(h.isVisible());
            QCOMPARE(h.pos(), haupt);
            h.statistikbutton->click();
            QCOMPARE(f->pos(), verschoben);
        }
        f->close();
    }

    // A screen is made the first time it is needed; made late, it shows what the game told the
    // screens before: the clock, and prices reset by a fine.
    void spaetGemachteSchirmeZeigenDenStand() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        Timer1Timer(p->spiel);
        const QString uhr = h.Label2->text();
        QVERIFY(!uhr.isEmpty());
        p->anzeige.preiseGesetzt(1.2, 3);  // as the consumer-protection fine does
        p->anzeige.preiseGesetzt(2.5, 4);  // as loading does
        QCOMPARE(p->einstellungenform()->Label1->text(), uhr);
        QCOMPARE(p->posteingangform()->Label2->text(), uhr);
        QCOMPARE(p->taxi_sendenform()->Label4->text(), uhr);
        QCOMPARE(p->preiseform()->Edit1->text(), QStringLiteral("2,5"));
        QCOMPARE(p->preiseform()->Edit2->text(), QStringLiteral("4"));
        Timer1Timer(p->spiel);
        QCOMPARE(p->einstellungenform()->Label1->text(), h.Label2->text());
        QVERIFY(p->einstellungenform()->Label1->text() != uhr);
    }

    // Made at its first show, as the game starts, the main screen is the one made at once.
    void spaetGemachtWieSofort() {
        FesteZeit zeit;
        Programm spaet(zeit, /*hauptformSpaeter=*/true);
        QVERIFY(!spaet.hauptform->Label4);
        spaet.hauptform->show();
        const auto steuerung = [](QWidget* fenster) {
            QStringList s;
            for (QWidget* w = fenster->nextInFocusChain(); w != fenster; w = w->nextInFocusChain())
                s << w->objectName() + w->accessibleName() + QString::number(w->isVisible());
            return s;
        };
        QCOMPARE(steuerung(spaet.hauptform.get()), steuerung(p->hauptform.get()));
        QCOMPARE(spaet.hauptform->grab().toImage(), p->hauptform->grab().toImage());
    }
};

QTEST_MAIN(TestHauptform)
#include "hauptform_test.moc"
