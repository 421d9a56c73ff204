// The screens as a player uses them, on the offscreen platform.
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QtTest>

#include "desk/posteingangform.h"
#include "desk/taxisendenform.h"
#include "economy/autohaendlerform.h"
#include "economy/personalform.h"
#include "testanzeige.h"
#include "ui/einstellungenform.h"
#include "ui/hauptform.h"
#include "ui/programm.h"
#include "ui/weitereformen.h"

using namespace kabrolux;
using namespace kabrolux::ui;

namespace {

QList<TDFWSelButton*> nachSpiel(THauptform& h) {
    return {h.autohaendlerbutton, h.personalbutton,  h.posteingangbutton,
            h.taxi_sendenbutton,  h.bankbutton,      h.preisebutton,
            h.Werbungbutton,      h.statistikbutton, h.speichernbutton};
}

void taste(QWidget* w, char c) {
    QKeyEvent e(QEvent::KeyPress, Qt::Key_0 + (c - '0'), Qt::NoModifier, QString(QChar(c)));
    QCoreApplication::sendEvent(w, &e);
}

void auftrag(Spielstand& s, int r, int32_t nummer, bool angenommen) {
    Auftrag& a = s.auftraege[r];
    a.belegt = 1;
    a.nummer = nummer;
    a.abholzeit = Abholzeit::zeit(s.spielzeit + 30 * kMinute);
    a.abholort = "Marktplatz";
    a.kunde = "Frau Keller";
    a.angenommen = angenommen ? 1 : 0;
}

}  // namespace

class TestOberflaeche : public QObject {
    Q_OBJECT
    std::unique_ptr<test::FesteZeit> zeit;
    std::unique_ptr<Programm> p;
    QStringList meldungen;

  private slots:
    void init() {
        zeit = std::make_unique<test::FesteZeit>();
        p = std::make_unique<Programm>(*zeit);
        meldungen.clear();
        p->anzeige.meldungenSammeln = &meldungen;
        p->hauptform->show();
    }
    void cleanup() { p.reset(); }

    void programmstartUndNeuesSpiel() {
        THauptform& h = *p->hauptform;
        QCOMPARE(h.windowTitle(), QStringLiteral("Kabrolux Version 1.5"));
        QCOMPARE(h.objectName(), QStringLiteral("THauptform"));
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

    void geschwindigkeitVorUndImSpiel() {
        THauptform& h = *p->hauptform;
        taste(&h, '3');
        QVERIFY(!h.Timer1.isActive());
        QCOMPARE(p->spiel.uhr.intervall(), 1000);

        p->einstellungenform->RadioButton2->click();  // "Normal (3)"
        QVERIFY(!h.Timer1.isActive());
        h.Spiel_startenbuttonClick();
        QVERIFY(h.Timer1.isActive());
        QCOMPARE(h.Timer1.interval(), 400);

        p->einstellungenform->RadioButton4->click();  // "Pause (0)"
        QVERIFY(!h.Timer1.isActive());
        taste(h.verfuegbarefahrerlistbox, '1');  // also while a list has the focus
        QVERIFY(h.Timer1.isActive());
        QCOMPARE(h.Timer1.interval(), 2000);
        QVERIFY(p->einstellungenform->RadioButton4->isChecked());
        taste(&h, '0');
        QVERIFY(!h.Timer1.isActive());
    }

    void uhrLaeuftUndTaktSchreibtDieUhren() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        p->spiel.stand.spielzeit = datumZeit(2026, 12, 7, 10, 0);
        taste(&h, '4');
        QTRY_COMPARE_WITH_TIMEOUT(h.Label2->text(), QStringLiteral("07.12.2026  10:01 Uhr"), 2000);
        QCOMPARE(p->einstellungenform->Label1->text(), h.Label2->text());
        QVERIFY(h.Timer1.isActive());
    }

    void posteingangBehaeltHaken() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        auftrag(p->spiel.stand, 1, 7, false);
        auftrag(p->spiel.stand, 2, 8, false);
        h.Label3->setText(QStringLiteral("Neuer Auftrag im Posteingang"));
        h.posteingangbutton->click();
        TPosteingangform& f = *p->posteingangform;
        QVERIFY(f.isVisible());
        QVERIFY(h.isHidden());
        QCOMPARE(f.CheckListBox1->count(), 2);
        QVERIFY(f.CheckListBox1->item(0)->text().startsWith(QStringLiteral("Auftrag 000007: ")));

        f.CheckListBox1->item(1)->setCheckState(Qt::Checked);
        QCOMPARE(p->spiel.stand.auftraege[2].angenommen, 1);
        QCOMPARE(p->spiel.stand.angenommeneauftraege, 1);
        f.CheckListBox1->item(1)->setCheckState(Qt::Unchecked);  // comes back at once
        QCOMPARE(f.CheckListBox1->item(1)->checkState(), Qt::Checked);
        QCOMPARE(p->spiel.stand.angenommeneauftraege, 1);

        // the space bar ticks the current line like the mouse does
        f.CheckListBox1->setCurrentRow(0);
        QTest::keyClick(f.CheckListBox1, Qt::Key_Space);
        QCOMPARE(f.CheckListBox1->item(0)->checkState(), Qt::Checked);
        QCOMPARE(p->spiel.stand.auftraege[1].angenommen, 1);
        QCOMPARE(p->spiel.stand.angenommeneauftraege, 2);
        f.CheckListBox1->item(0)->setCheckState(Qt::Unchecked);
        QCOMPARE(f.CheckListBox1->item(0)->checkState(), Qt::Checked);

        f.close();
        QVERIFY(!h.isHidden());
        QCOMPARE(h.Label3->text(), QString());
        h.posteingangbutton->click();
        QCOMPARE(f.CheckListBox1->item(1)->checkState(), Qt::Checked);
        QCOMPARE(f.CheckListBox1->item(0)->checkState(), Qt::Checked);
    }

    void sendenMeldungenUndAuswahl() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        Spielstand& st = p->spiel.stand;
        auftrag(st, 1, 3, true);
        st.taxen[1] = Taxi{1, 20000, 0, 0, 0, 2, 1};
        st.fahrer[1] = Fahrer{1, 97, 0, 0, 1, 1, 2};
        st.fahrer[2] = Fahrer{1, 97, 0, 0, 2, 2, 4};
        h.taxi_sendenbutton->click();
        TTaxi_sendenform& f = *p->taxi_sendenform;
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
        QCOMPARE(meldungen,
                 (QStringList{QStringLiteral("Wählen Sie den zu erledigende Auftrag aus."),
                              QStringLiteral("Wählen Sie das Taxi aus, das den Auftrag "
                                             "erledigen soll."),
                              QStringLiteral("Wählen Sie den Fahrer aus, der den Auftrag "
                                             "erledigen soll.")}));

        // focus alone chooses nothing; the keyboard chooses like the mouse
        f.auffrischen();
        QFocusEvent fokus(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(f.ListBox3, &fokus);
        QCOMPARE(st.gewaehlterfahrer, -1);
        f.ListBox1->setCurrentRow(0);
        f.ListBox2->setCurrentRow(0);
        QTest::keyClick(f.ListBox3, Qt::Key_Down);
        QTest::keyClick(f.ListBox3, Qt::Key_Down);
        QCOMPARE(st.gewaehlterfahrer, 1);
        f.Button1->click();
        QCOMPARE(st.fahrer[2].unterwegs, 1);
        QCOMPARE(st.auftraege[1].unterwegs, 1);
        QCOMPARE(st.gewaehlterauftrag, -1);
        QCOMPARE(st.gewaehltestaxi, -1);
        QCOMPARE(st.gewaehlterfahrer, -1);
        QCOMPARE(f.ListBox1->count(), 0);
        QCOMPARE(f.ListBox2->count(), 0);
        QCOMPARE(f.ListBox3->count(), 1);
        QCOMPARE(h.auftraegeamerledigenlistbox->count(), 1);
        f.repaint();  // a plain repaint rebuilds nothing
        QCOMPARE(st.gewaehlterauftrag, -1);
        f.Button2->click();
        QVERIFY(!h.isHidden());
    }

    void autohaendlerUndPersonal() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        h.autohaendlerbutton->click();
        TAutohaendlerform& a = *p->autohaendlerform;
        QVERIFY2(a.isVisible(), qPrintable(meldungen.join(QLatin1Char('|'))));
        QVERIFY(!a.Image1->pixmap().isNull());
        QCOMPARE(a.Label5->text(), QStringLiteral("Preis: 20000 €"));
        a.Button2->click();
        QCOMPARE(p->spiel.stand.aktuellesauto, 1);
        for (int i = 0; i < 4; ++i)
            a.Button1->click();
        QCOMPARE(a.Label1->text(), QStringLiteral("Taxi Variante 4"));
        a.Button3->click();
        QCOMPARE(a.Label6->text(), QStringLiteral("Vermögen: 0 €"));
        QCOMPARE(h.Label4->text(), QStringLiteral("Vermögen: 0 €"));
        a.close();
        QCOMPARE(h.verfuegbaretaxenlistbox->item(0)->text(), QStringLiteral("01: Taxi Variante 4"));

        h.personalbutton->click();
        TPersonalform& f = *p->personalform;
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
        QCOMPARE(meldungen.last(),
                 QStringLiteral("Der entlassene Fahrer bekommt heute sein letztes Gehalt "
                                "ausgezahlt."));
        QVERIFY(!f.Button3->isHidden());
    }

    void posteingangMitVollerTabelle() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        for (int r = 1; r <= kAuftragsZeilen; ++r)
            auftrag(p->spiel.stand, r, r, r % 3 == 0);
        QElapsedTimer uhr;
        uhr.start();
        h.posteingangbutton->click();
        const qint64 ms = uhr.elapsed();
        TPosteingangform& f = *p->posteingangform;
        QCOMPARE(f.CheckListBox1->count(), kAuftragsZeilen);
        QVERIFY(f.CheckListBox1->item(998)->text().startsWith(QStringLiteral("Auftrag 000999:")));
        QCOMPARE(f.CheckListBox1->item(998)->checkState(), Qt::Checked);
        QCOMPARE(f.CheckListBox1->item(997)->checkState(), Qt::Unchecked);
        qInfo("inbox with 999 orders shown in %lld ms", ms);
        // the table is full: the next due order is dropped, the list stays as it is
        zeit->ms = 0;  // the first draw after this reseed is 0: an order is due
        p->spiel.auftragerzeugen();
        QCOMPARE(f.CheckListBox1->count(), kAuftragsZeilen);
        QCOMPARE(p->spiel.stand.auftragsnummer, 1);
    }

    void unlesbaresBildMeldetDenDecoder() {
        QTemporaryDir ordner;
        QDir(ordner.path()).mkpath(QStringLiteral("taxis"));
        QDir(ordner.path()).mkpath(QStringLiteral("personal"));
        QFile kaputt(ordner.path() + QStringLiteral("/taxis/1.jpg"));
        QVERIFY(kaputt.open(QIODevice::WriteOnly));
        kaputt.write("kein Bild");
        kaputt.close();
        qputenv("KABROLUX_BILDER", ordner.path().toUtf8());
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        h.autohaendlerbutton->click();
        h.personalbutton->click();
        qunsetenv("KABROLUX_BILDER");
        QVERIFY(p->autohaendlerform->isHidden());
        QVERIFY(p->personalform->isHidden());
        QVERIFY(!h.isHidden());
        QCOMPARE(meldungen.size(), 2);
        QVERIFY2(meldungen[0].startsWith(QStringLiteral("Not a JPEG file")),
                 qPrintable(meldungen[0]));
        QVERIFY(meldungen[1].contains(QStringLiteral("personal/1.jpg")));
    }

    // With KABROLUX_FOTOS set to a folder, saves pictures of the screens there.
    void bildschirmfotos() {
        const QString ordner = qEnvironmentVariable("KABROLUX_FOTOS");
        if (ordner.isEmpty()) QSKIP("KABROLUX_FOTOS not set");
        QDir().mkpath(ordner);
        THauptform& h = *p->hauptform;
        h.grab().save(ordner + QStringLiteral("/hauptform_start.png"));
        p->einstellungenform->grab().save(ordner + QStringLiteral("/einstellungen.png"));
        h.Spiel_startenbuttonClick();
        Spielstand& st = p->spiel.stand;
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
        p->spiel.stand.auftragsnummer = 7;
        zeit->ms = 1;
        p->spiel.Timer1Timer();
        h.FormPaint();
        h.grab().save(ordner + QStringLiteral("/hauptform.png"));
        h.posteingangbutton->click();
        p->posteingangform->grab().save(ordner + QStringLiteral("/posteingang.png"));
        p->posteingangform->close();
        h.taxi_sendenbutton->click();
        p->taxi_sendenform->ListBox1->setCurrentRow(0);
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

QTEST_MAIN(TestOberflaeche)
#include "test_oberflaeche.moc"
