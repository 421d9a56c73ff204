// The autosave with the real screens: what it writes when, the question at the next start, two
// copies at once, and a folder that takes nothing. Everything lies in a folder of the test's own.
#include <QtTest>

#include <QLockFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <cerrno>
#include <functional>
#include <memory>

#include "desk/form/posteingangform.h"
#include "economy/autohaendler.h"
#include "economy/form/personalform.h"
#include "economy/form/preiseform.h"
#include "sim/spiel.h"
#include "speicherbeispiel.h"
#include "state/datum.h"
#include "state/sicherungsdateien.h"
#include "testprogramm.h"
#include "ui/autosicherung.h"

using namespace kabrolux;
using namespace kabrolux::ui;
using namespace kabrolux::test;

namespace {

// Runs `f` on the question once it is open (the start waits in its exec()).
void beiFrage(std::function<void(QMessageBox*)> f, int versuche = 200) {
    QTimer::singleShot(5, [f, versuche] {
        auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (m) return f(m);
        if (versuche > 0) return beiFrage(f, versuche - 1);
        QFAIL("no question opened");
    });
}

QPushButton* knopf(QMessageBox* m, const QString& text) {
    for (QAbstractButton* b : m->buttons())
        if (b->text() == text) return qobject_cast<QPushButton*>(b);
    return nullptr;
}

// A folder where nothing new can be made: the disk is full.
class VollerOrdner : public Dateisystem {
  public:
    bool voll = true;
    int anlegen(const std::string& p, int& fd) override {
        return voll ? ENOSPC : Dateisystem::anlegen(p, fd);
    }
};

}  // namespace

class TestAutosicherung : public ProgrammTest {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> ordner;
    Dateisystem fs;

    QString sicherungen() const { return ordner->filePath(QStringLiteral("kabrolux")); }
    std::unique_ptr<Autosicherung> neue(Programm& prog, Dateisystem& d) {
        auto a = std::make_unique<Autosicherung>(prog, sicherungen(), d);
        a->einrichten();
        return a;
    }
    // What a copy's files hold, as a crashed copy would leave them.
    Sicherungsdateien dateien(int kopie) {
        return Sicherungsdateien(sicherungen().toStdString(), kopie, fs);
    }
    Spielstand neuester(int kopie = 1) {
        Spielstand s;
        if (!ladeDatei(dateien(kopie).stand(0), s).empty()) s.spiellaeuft = -1;
        return s;
    }
    // A game with a taxi and its own money, left behind without an end.
    Spielstand verlassen(double vermoegen) {
        ordnerAnlegen(sicherungen().toStdString());
        Spielstand s = startStand();
        s.vermoegen = vermoegen;
        s.spielzeit = datumZeit(2026, 3, 14, 9, 26);
        gekauftesTaxi(s, 1, 3);
        [&] { QCOMPARE(QString::fromStdString(dateien(1).schreiben(s)), QString()); }();
        return s;
    }

  private slots:
    void init() {
        ProgrammTest::init();
        ordner = std::make_unique<QTemporaryDir>();
    }
    void cleanup() {
        ProgrammTest::cleanup();
        ordner.reset();
    }

    void ordnerUndKopienNummern() {
        auto eins = neue(*p, fs);
        eins->starten();
        QCOMPARE(eins->kopie(), 1);
        QVERIFY(QFileInfo(sicherungen()).isDir());
        // Only for the player: owner bits, none for group and others.
        QCOMPARE(QFileInfo(sicherungen()).permissions() & 0x7077, 0x7000);
        QCOMPARE(p->sicherungsordner, sicherungen());
        // A second copy while the first runs: a number of its own, and nothing of the first's.
        p->hauptform->Spiel_startenbuttonClick();
        QTRY_COMPARE(eins->auftraege(), 1);
        eins->abwarten();
        TestProgramm zweites;
        auto zwei = neue(zweites.p, fs);
        QCOMPARE(zwei->kopie(), 2);
        zwei->starten();
        QVERIFY(!zwei->anbieten());
        QVERIFY(zweites.meldungen.isEmpty());
        zweites.p.hauptform->Spiel_startenbuttonClick();
        QTRY_COMPARE(zwei->auftraege(), 1);
        zwei->abwarten();
        QCOMPARE(neuester(1).vermoegen, 50000.0);
        QCOMPARE(neuester(2).vermoegen, 50000.0);
        // The first copy's number is free again once it ends.
        eins.reset();
        TestProgramm drittes;
        QCOMPARE(neue(drittes.p, fs)->kopie(), 1);
    }

    // A copy that crashed left its lock: taken over, whatever the lock holds.
    void verwaisteSchloesserWerdenUebernommen() {
        QDir().mkpath(sicherungen());
        const QString schloss = QString::fromStdString(dateien(1).schloss());
        for (const QByteArray& inhalt : {QByteArray("999999999\nkabrolux\n\n"), QByteArray()}) {
            QFile f(schloss);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(inhalt);
            f.close();
            QCOMPARE(neue(*p, fs)->kopie(), 1);
        }
        // A live lock is not.
        QLockFile lebt(schloss);
        QVERIFY(lebt.tryLock(0));
        QCOMPARE(neue(*p, fs)->kopie(), 2);
    }

    void schreibtNachJederAenderungDesSpielers() {
        auto a = neue(*p, fs);
        a->starten();
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        taste(&h, '0');  // only the player changes the game
        QTRY_COMPARE(a->auftraege(), 1);
        const std::function<void()> aenderungen[] = {
            [&] {
                autohaendlerOeffnen(p->spiel);
                autoKaufen(p->spiel);
            },
            [&] {
                h.personalbutton->click();
                p->personalform()->Button3->click();  // hired
            },
            [&] { p->personalform()->Button4->click(); },  // dismissed
            [&] {
                p->personalform()->close();
                neuerAuftrag(t->stand, 1, 1);
                h.posteingangbutton->click();
                QListWidgetItem* zeile = p->posteingangform()->CheckListBox1->item(0);
                zeile->setCheckState(Qt::Checked);  // accepted
            },
            [&] {
                p->posteingangform()->close();
                h.preisebutton->click();
                p->preiseform()->Edit2->setText(QStringLiteral("4"));
                p->preiseform()->close();  // new prices
            },
        };
        int n = 1;
        for (const auto& aendern : aenderungen) {
            aendern();
            ++n;
            QTRY_COMPARE(a->auftraege(), n);
            a->abwarten();
            QVERIFY(speicherbild(neuester()) == speicherbild(t->stand));
        }
        QCOMPARE(neuester().grundpreis, 4.0);
        // Nothing changed, nothing written.
        QTest::qWait(50);
        QCOMPARE(a->auftraege(), n);
    }

    // The clock's changes wait for the minute; a write asked for in the middle of a tick
    // waits for its end, so no file holds half a game minute.
    void derTaktWartetAufDieMinute() {
        auto a = neue(*p, fs);
        a->starten();
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        taste(&h, '0');  // the test's own ticks only
        QTRY_COMPARE(a->auftraege(), 1);
        h.Timer1Takt();
        QTest::qWait(50);
        QCOMPARE(a->auftraege(), 1);

        fahrenderAuftrag(t->stand, 1, 9, 1);
        bool imTakt = false;
        int waehrend = -1;
        QTimer::singleShot(0, [&] {  // while the settlement lets input run
            imTakt = p->spiel.imTakt();
            a->sichern();
            waehrend = a->auftraege();
        });
        h.Timer1Takt();
        QVERIFY(imTakt);
        QCOMPARE(waehrend, 1);
        QTRY_COMPARE(a->auftraege(), 2);
        a->abwarten();
        QVERIFY(speicherbild(neuester()) == speicherbild(t->stand));

        a->setzeTakt(20);
        h.Timer1Takt();
        QTRY_COMPARE(a->auftraege(), 3);
        h.Timer1Takt();  // a minute passes once more, then the clock stands
        QTRY_COMPARE(a->auftraege(), 4);
        QTest::qWait(100);
        QCOMPARE(a->auftraege(), 4);
    }

    void fortsetzenLaedtDenStand() {
        const Spielstand alt = verlassen(12345.5);
        auto a = neue(*p, fs);
        QString text, fortsetzen, verwerfen;
        beiFrage([&](QMessageBox* m) {
            text = m->text();
            QCOMPARE(m->windowTitle(), QStringLiteral("Kabrolux"));
            QCOMPARE(m->parentWidget(), p->hauptform.get());
            QVERIFY(knopf(m, QStringLiteral("Verwerfen")));
            QPushButton* weiter = knopf(m, QStringLiteral("Fortsetzen"));
            QVERIFY(weiter);
            QCOMPARE(m->defaultButton(), weiter);
            weiter->click();
        });
        QVERIFY(a->anbieten());
        for (const char* teil : {"14.03.2026", "09:26", "Vermögen: 12345,5 €", "Fortsetzen",
                                 "Verwerfen", "„Spielende“"})
            QVERIFY2(text.contains(QString::fromUtf8(teil)), qPrintable(text));
        QVERIFY(speicherbild(t->stand) == speicherbild(alt));
        THauptform& h = *p->hauptform;
        QCOMPARE(h.Label4->text(), QStringLiteral("Vermögen: 12345,5 €"));
        QCOMPARE(h.verfuegbaretaxenlistbox->count(), 1);
        QVERIFY(h.Spiel_startenbutton->isHidden());
        QVERIFY(h.Timer1.isActive());
        QVERIFY(t->meldungen.isEmpty());
    }

    // Escape is "Verwerfen": the start screen stays as it was, and the next start asks nothing.
    void verwerfenLaesstDenStartWieErWar() {
        verlassen(777);
        for (int runde = 0; runde < 2; ++runde) {
            TestProgramm prog;
            auto a = neue(prog.p, fs);
            bool gefragt = false;
            if (runde == 0)
                beiFrage([&](QMessageBox* m) {
                    gefragt = true;
                    QTest::keyClick(m, Qt::Key_Escape);
                });
            QVERIFY(!a->anbieten());
            QCOMPARE(gefragt, runde == 0);
            QCOMPARE(prog.stand.spiellaeuft, 0);
            QVERIFY(!prog.p.hauptform->Spiel_startenbutton->isHidden());
            QCOMPARE(prog.p.hauptform->Label4->text(), QStringLiteral("Vermögen: 0 €"));
        }
        QCOMPARE(neuester().vermoegen, 777.0);  // still there to load
    }

    void beschaedigtWirdNichtAngeboten() {
        verlassen(1);
        QFile f(QString::fromStdString(dateien(1).stand(0)));
        QVERIFY(f.resize(1000));
        auto a = neue(*p, fs);
        QVERIFY(!a->anbieten());  // no question: it would block here
        QVERIFY(QFile::exists(f.fileName() + QStringLiteral(".beschaedigt")));
        QCOMPARE(t->stand.spiellaeuft, 0);
    }

    // The player's end is marked; a signal's or the session's end is not, and the game is
    // written before the program goes.
    void dasEndeEntscheidetUeberDieFrage() {
        for (int wie = 0; wie < 3; ++wie) {
            {
                TestProgramm prog;
                auto a = neue(prog.p, fs);
                int beendet = 0;
                a->beendenLassen = [&] { ++beendet; };
                a->starten();
                prog.p.hauptform->Spiel_startenbuttonClick();
                prog.stand.vermoegen = 1000 + wie;
                if (wie == 1) a->endeOhneWahl(false);
                if (wie == 2) {
                    a->endeOhneWahl(true);
                    QCOMPARE(neuester().vermoegen, 1002.0);  // before the program goes
                }
                QCOMPARE(beendet, wie == 0 ? 0 : 1);
                a->beenden();
            }
            QCOMPARE(neuester().vermoegen, 1000.0 + wie);
            QCOMPARE(QFileInfo(QString::fromStdString(dateien(1).stand(0))).size(),
                     qint64(speicherformat::kGroesse));
            QCOMPARE(dateien(1).pruefen().angebot.pfad.empty(), wie == 0);
            QFile::remove(QString::fromStdString(dateien(1).endmarke()));
        }
    }

    // A full disk: one quiet notice on the main screen naming the reason, no message box;
    // the notice goes once writing works again and does not come back in this run.
    void einVollerOrdnerGibtEinenStillenHinweis() {
        VollerOrdner voll;
        auto a = neue(*p, voll);
        a->starten();
        THauptform& h = *p->hauptform;
        QVERIFY(h.sicherungshinweis->isHidden());
        h.Spiel_startenbuttonClick();
        QTRY_VERIFY(!h.sicherungshinweis->isHidden());
        QCOMPARE(h.sicherungshinweis->text(),
                 QStringLiteral("Automatisches Sichern nicht möglich: Disk full"));
        QCOMPARE(h.sicherungshinweis->accessibleName(), QStringLiteral("Automatisches Sichern"));
        QVERIFY(!h.sicherungshinweis->geometry().intersects(h.Label3->geometry()));
        QVERIFY(!h.sicherungshinweis->geometry().intersects(h.Label4->geometry()));
        QVERIFY(t->meldungen.isEmpty());
        voll.voll = false;
        a->sichern();
        QTRY_VERIFY(h.sicherungshinweis->isHidden());
        voll.voll = true;
        a->sichern();
        a->abwarten();
        QTest::qWait(20);
        QVERIFY(h.sicherungshinweis->isHidden());
        QVERIFY(t->meldungen.isEmpty());
    }

    // No folder at all (a file stands where it would be): the game plays on and says why.
    void ohneOrdnerSpieltEsSichWeiter() {
        QFile(ordner->filePath(QStringLiteral("kabrolux"))).open(QIODevice::WriteOnly);
        auto a = std::make_unique<Autosicherung>(*p, sicherungen(), fs);
        QVERIFY(!a->einrichten());
        QVERIFY(!a->anbieten());
        a->starten();
        p->hauptform->Spiel_startenbuttonClick();
        QTRY_COMPARE(p->hauptform->sicherungshinweis->text(),
                     QStringLiteral("Automatisches Sichern nicht möglich: File not found"));
        a->beenden();
        QVERIFY(t->meldungen.isEmpty());
    }
};

QTEST_MAIN(TestAutosicherung)
#include "autosicherung_test.moc"
