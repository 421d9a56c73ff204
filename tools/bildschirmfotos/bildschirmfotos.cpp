// Pictures of every screen for the README, into the folder KABROLUX_FOTOS names (docs/screens),
// the English ones into its folder en: cmake --build build --target bildschirmfotos.
#include <QtTest>

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include "desk/form/posteingangform.h"
#include "desk/form/statistikform.h"
#include "desk/form/taxisendenform.h"
#include "desk/form/verlaufform.h"
#include "desk/posteingang.h"
#include "economy/form/autohaendlerform.h"
#include "economy/form/bankform.h"
#include "economy/form/personalform.h"
#include "economy/form/preiseform.h"
#include "economy/form/werbungform.h"
#include "economy/werbung.h"
#include "sim/kurse.h"
#include "sim/takt.h"
#include "testanzeige.h"
#include "testprogramm.h"
#include "ui/basis/anleitung.h"
#include "ui/basis/qtanzeige.h"
#include "ui/einstellungenform.h"
#include "ui/umgebung.h"

using namespace kabrolux;
using namespace kabrolux::ui;
using namespace kabrolux::test;

class TestBildschirmfotos : public ProgrammTest {
    Q_OBJECT

    // A tool, not a test: without a folder there is nothing to do.
    static QString zielordner() {
        const QString ordner = qEnvironmentVariable("KABROLUX_FOTOS");
        if (ordner.isEmpty()) qFatal("KABROLUX_FOTOS must name the folder for the pictures");
        return ordner;
    }

  private slots:
    // With KABROLUX_FOTOS set to a folder, saves pictures of the screens there.
    void bildschirmfotos() {
        const QString ordner = zielordner();
        fotos(ordner);
    }

    // Qt's own dialogs speak German: the save dialog and a message box as the player sees them.
    void deutscheDialoge() {
        const QString ordner = zielordner();
        spracheEinrichten(Sprache::deutsch);
        keineEinstellungenBehalten();
        dialoge(ordner, {"Montag.kbs", "vor der Bankrunde.kbs", "Sonderauftrag.kbs"});
    }

    // The same in English, into the folder en.
    void englischeBildschirmfotos() {
        const QString ordner = zielordner();
        inSprache(Sprache::englisch);
        fotos(ordner + QStringLiteral("/en"));
    }

    void englischeDialoge() {
        const QString ordner = zielordner();
        inSprache(Sprache::englisch);
        keineEinstellungenBehalten();
        dialoge(ordner + QStringLiteral("/en"),
                {"Monday.kbs", "before the bank run.kbs", "special order.kbs"});
    }

  private:
    void fotos(const QString& ordner) {
        QDir().mkpath(ordner);
        THauptform& h = *p->hauptform;
        h.grab().save(ordner + QStringLiteral("/hauptform_start.png"));
        p->einstellungenform()->grab().save(ordner + QStringLiteral("/einstellungen.png"));
        h.Spiel_startenbuttonClick();
        Spielstand& st = t->stand;
        st.image = 35;
        st.bekanntheit = 120;
        st.untergrundansehen = 4;
        for (int k = 1; k <= 3; ++k) {
            gekauftesTaxi(st, k, k + 1);
            eingestellterFahrer(st, k, 3 * k);
        }
        for (int r = 2; r <= 6; ++r)
            (r % 2 == 0 ? angenommenerAuftrag : neuerAuftrag)(st, r, r, 30);
        neuerSonderauftrag(st, 3, 3);
        fahrenderAuftrag(st, 1, 1, 40);
        senden(st, 1, 1, 40);
        t->zeit.ms = 1;
        Timer1Timer(p->spiel);
        h.FormPaint();
        h.grab().save(ordner + QStringLiteral("/hauptform.png"));
        h.posteingangbutton->click();
        QCoreApplication::processEvents();
        p->posteingangform()->grab().save(ordner + QStringLiteral("/posteingang.png"));
        p->posteingangform()->close();
        h.taxi_sendenbutton->click();
        QApplication::setActiveWindow(p->taxi_sendenform());
        p->taxi_sendenform()->ListBox1->setFocus(Qt::TabFocusReason);
        p->taxi_sendenform()->ListBox1->setCurrentRow(0);
        QCoreApplication::processEvents();
        p->taxi_sendenform()->grab().save(ordner + QStringLiteral("/taxisenden.png"));
        p->taxi_sendenform()->close();
        h.autohaendlerbutton->click();
        p->autohaendlerform()->Button1Click();
        p->autohaendlerform()->Button1Click();
        p->autohaendlerform()->grab().save(ordner + QStringLiteral("/autohaendler.png"));
        p->autohaendlerform()->close();
        h.personalbutton->click();
        p->personalform()->Button2Click();
        p->personalform()->Button2Click();
        p->personalform()->grab().save(ordner + QStringLiteral("/personal.png"));
        p->personalform()->close();
        wirtschaft(ordner);
        QVERIFY(QFile::exists(ordner + QStringLiteral("/statistik.png")));
        verlaufUndAnleitung(ordner);
        QVERIFY(QFile::exists(ordner + QStringLiteral("/anleitung.png")));
    }

    // The economy's screens after a few days of play: loans, shares, a campaign.
    void wirtschaft(const QString& ordner) {
        THauptform& h = *p->hauptform;
        h.preisebutton->click();
        p->preiseform()->grab().save(ordner + QStringLiteral("/preise.png"));
        p->preiseform()->close();
        h.Werbungbutton->click();
        p->werbungform()->RadioButton3->setChecked(true);
        p->werbungform()->grab().save(ordner + QStringLiteral("/werbung.png"));
        p->werbungform()->Button2->click();
        for (int i = 0; i < 3; ++i) {
            t->zeit.ms = 1000u + 7919u * i;
            aktienkurseberechnen(p->spiel);
        }
        h.bankbutton->click();
        Tbankform& b = *p->bankform();
        b.Button1->click();
        b.ComboBox1->setCurrentIndex(2);
        b.Edit1->setText(QStringLiteral("25"));
        b.Button3->click();
        b.grab().save(ordner + QStringLiteral("/bank.png"));
        b.close();
        t->stand.auftragsnummer = 10;
        t->stand.erledigteauftraege = 2;
        t->stand.angenommeneauftraege = 6;
        h.statistikbutton->click();
        p->statistikform()->grab().save(ordner + QStringLiteral("/statistik.png"));
        p->statistikform()->close();
    }

    // Four game days of a player who accepts and sends what comes in, with a campaign on the
    // second day: the history, with a marker on the money; then F1 there.
    void verlaufUndAnleitung(const QString& ordner) {
        for (int minute = 0; minute < 4 * 1440; ++minute) {
            t->zeit.ms = 1000u + 7919u * static_cast<uint32_t>(minute);
            Timer1Timer(p->spiel);
            if (minute == 1800) werbungKaufen(p->spiel, 4);
            if (minute % 15 != 0) continue;
            std::vector<PosteingangZeile> post = posteingangAufbauen(p->spiel);
            for (int k = 0; k < static_cast<int>(post.size()); ++k)
                if (!post[k].haken) {
                    post[k].haken = true;
                    posteingangHaken(p->spiel, post, k);
                }
            ersteZeilenSenden(p->spiel);
        }
        p->hauptform->statistikbutton->click();
        p->statistikform()->Button1->click();
        TVerlaufform& v = *p->verlaufform();
        v.geldDiagramm->setFocus();
        for (int i = 0; i < 30; ++i)
            QTest::keyClick(v.geldDiagramm, Qt::Key_Left);
        v.grab().save(ordner + QStringLiteral("/verlauf.png"));
        QApplication::setActiveWindow(&v);
        QTest::keyClick(&v, Qt::Key_F1);
        p->anzeige.anleitung().grab().save(ordner + QStringLiteral("/anleitung.png"));
    }

    // The save dialog and a message box as the player sees them.
    void dialoge(const QString& ordner, std::initializer_list<const char*> spielstaende) {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        QTemporaryDir ablage;
        for (const char* name : spielstaende) {
            QFile f(ablage.filePath(QString::fromUtf8(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QTimer::singleShot(100, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            d->setDirectory(ablage.path());
            d->selectFile(QStringLiteral("spielstand"));
            d->resize(640, 400);
            QTest::qWait(500);  // the folder is read in the background
            d->grab().save(ordner + QStringLiteral("/dateidialog.png"));
            d->reject();
        });
        h.speichernbutton->click();
        p->anzeige.meldungenSammeln = nullptr;
        QTimer::singleShot(100, [&] {
            auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(m);
            m->grab().save(ordner + QStringLiteral("/meldung.png"));
            m->accept();
        });
        QApplication::setActiveWindow(p->hauptform.get());
        p->anzeige.meldung(Meldung::von(Meldungsart::taxenVoll));
        QVERIFY(QFile::exists(ordner + QStringLiteral("/meldung.png")));
    }
};

QTEST_MAIN(TestBildschirmfotos)
#include "bildschirmfotos.moc"
