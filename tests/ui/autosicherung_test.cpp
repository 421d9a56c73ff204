// The autosave with the real screens: what it writes when, the question at the next start, two
// copies at once, and a folder that takes nothing. Everything lies in a folder of the test's own.
#include <QtTest>

#include <QLockFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <cerrno>

#include "desk/form/posteingangform.h"
#include "economy/autohaendler.h"
#include "economy/form/personalform.h"
#include "economy/form/preiseform.h"
#include "sim/spiel.h"
#include "speicherbeispiel.h"
#include "state/sicherungsdateien.h"
#include "testprogramm.h"
#include "ui/autosicherung.h"

using namespace kabrolux;
using namespace kabrolux::ui;
using namespace kabrolux::test;

namespace {

// Answers the question once it is open (the start waits in its exec()) with this button.
void antworten(const QString& knopf, QString* text = nullptr, int versuche = 200) {
    QTimer::singleShot(5, [=] {
        auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!m && versuche > 0) return antworten(knopf, text, versuche - 1);
        QVERIFY2(m, "no question");
        if (text) *text = m->text();
        if (knopf == QStringLiteral("Esc")) return QTest::keyClick(m, Qt::Key_Escape);
        for (QAbstractButton* b : m->buttons())
            if (b->text() == knopf) b->click();
    });
}

// A folder where nothing new can be made while `voll`.
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
        a->starten();
        return a;
    }
    Sicherungsdateien dateien(int kopie = 1) {
        return Sicherungsdateien(sicherungen().toStdString(), kopie, fs);
    }
    Spielstand neuester(int kopie = 1) {
        Spielstand s;
        ladeDatei(dateien(kopie).stand(0), s);
        return s;
    }
    // A game with a taxi, left behind by a copy that crashed.
    Spielstand verlassen(double vermoegen) {
        ordnerAnlegen(sicherungen().toStdString());
        Spielstand s = startStand(vermoegen);
        s.spielzeit = datumZeit(2026, 3, 14, 9, 26);
        gekauftesTaxi(s, 1, 3);
        dateien().schreiben(s);
        return s;
    }

  protected slots:
    void init() {
        ProgrammTest::init();
        ordner = std::make_unique<QTemporaryDir>();
    }

  private slots:
    // A second copy while the first runs takes a number of its own and offers nothing of the
    // first's game; a lock a crashed copy left, readable or not, is taken over.
    void zweiKopienZugleich() {
        auto eins = neue(*p, fs);
        QCOMPARE(eins->kopie(), 1);
        QCOMPARE(QFileInfo(sicherungen()).permissions() & 0x7077, 0x7000);  // the player's only
        QCOMPARE(p->sicherungsordner, sicherungen());
        p->hauptform->Spiel_startenbuttonClick();
        QTRY_COMPARE(eins->auftraege(), 1);
        TestProgramm zweites;
        auto zwei = neue(zweites.p, fs);
        QCOMPARE(zwei->kopie(), 2);
        QVERIFY(!zwei->anbieten());
        eins.reset();
        const QString schloss = QString::fromStdString(dateien().schloss());
        for (const QByteArray& inhalt : {QByteArray("999999999\nkabrolux\n\n"), QByteArray()}) {
            QFile f(schloss);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(inhalt);
            f.close();
            QCOMPARE(neue(*p, fs)->kopie(), 1);
        }
        QLockFile lebt(schloss);
        QVERIFY(lebt.tryLock(0));
        QCOMPARE(neue(*p, fs)->kopie(), 3);
    }

    void schreibtNachJederAenderungDesSpielers() {
        auto a = neue(*p, fs);
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
                p->posteingangform()->CheckListBox1->item(0)->setCheckState(Qt::Checked);
            },
            [&] {
                p->posteingangform()->close();
                h.preisebutton->click();
                p->preiseform()->Edit2->setText(QStringLiteral("4"));
                p->preiseform()->close();
            },
        };
        for (int n = 0; n < 5; ++n) {
            aenderungen[n]();
            QTRY_COMPARE(a->auftraege(), n + 2);
            a->abwarten();
            QVERIFY(speicherbild(neuester()) == speicherbild(t->stand));
        }
        QTest::qWait(50);  // nothing changed, nothing written
        QCOMPARE(a->auftraege(), 6);
    }

    // The clock's changes wait for the minute; a write asked for in the middle of a tick
    // waits for its end, so no file holds half a game minute.
    void derTaktWartetAufDieMinute() {
        auto a = neue(*p, fs);
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        taste(&h, '0');  // the test's own ticks only
        QTRY_COMPARE(a->auftraege(), 1);
        h.Timer1Takt();
        QTest::qWait(30);
        QCOMPARE(a->auftraege(), 1);
        fahrenderAuftrag(t->stand, 1, 9, 1);
        int imTakt = -1;
        QTimer::singleShot(0, [&] {  // while the settlement lets input run
            a->sichern();
            imTakt = p->spiel.imTakt() ? a->auftraege() : -1;
        });
        h.Timer1Takt();
        QCOMPARE(imTakt, 1);
        QTRY_COMPARE(a->auftraege(), 2);
        a->abwarten();
        QVERIFY(speicherbild(neuester()) == speicherbild(t->stand));
        a->setzeTakt(20);
        h.Timer1Takt();
        QTRY_COMPARE(a->auftraege(), 3);
        QTest::qWait(100);  // the game time stands: nothing to write
        QCOMPARE(a->auftraege(), 3);
    }

    // "Fortsetzen" loads the state as "Laden" loads a file; Escape is "Verwerfen", which
    // leaves the start screen as it was and is not asked again; a damaged state is not offered.
    void dieFrageNachEinemAbsturz() {
        const Spielstand alt = verlassen(12345.5);
        QString text;
        antworten(QStringLiteral("Fortsetzen"), &text);
        QVERIFY(neue(*p, fs)->anbieten());
        for (const char* teil : {"14.03.2026", "09:26", "Vermögen: 12345,5 €", "„Spielende“"})
            QVERIFY2(text.contains(QString::fromUtf8(teil)), qPrintable(text));
        QVERIFY(speicherbild(t->stand) == speicherbild(alt));
        QCOMPARE(p->hauptform->Label4->text(), QStringLiteral("Vermögen: 12345,5 €"));
        QCOMPARE(p->hauptform->verfuegbaretaxenlistbox->count(), 1);
        QVERIFY(p->hauptform->Timer1.isActive());

        for (const char* antwort : {"Esc", ""}) {
            TestProgramm prog;
            if (*antwort) antworten(QString::fromLatin1(antwort));
            QVERIFY(!neue(prog.p, fs)->anbieten());  // the second time without a question
            QCOMPARE(prog.stand.spiellaeuft, 0);
            QVERIFY(!prog.p.hauptform->Spiel_startenbutton->isHidden());
        }
        QVERIFY(QFile::exists(QString::fromStdString(dateien().verworfen())));
        // A question the program's end closes is no answer: it comes again.
        verlassen(1);
        {
            TestProgramm prog;
            auto a = neue(prog.p, fs);
            a->beendenLassen = [] { QApplication::activeModalWidget()->close(); };
            QTimer::singleShot(50, [&] { a->endeOhneWahl(false); });
            QVERIFY(!a->anbieten());
        }
        QCOMPARE(dateien().pruefen().angebot.pfad, dateien().stand(0));
        QFile(QString::fromStdString(dateien().stand(0))).resize(1000);
        QVERIFY(!neue(*p, fs)->anbieten());
        QVERIFY(QFile::exists(QString::fromStdString(dateien().stand(0) + ".beschaedigt")));
        QVERIFY(t->meldungen.isEmpty());
    }

    // The player's end is marked; a signal's or the desktop session's end is not. Either way
    // the game is written before the program goes, for the session at once.
    void dasEndeEntscheidetUeberDieFrage() {
        for (int wie = 0; wie < 3; ++wie) {
            TestProgramm prog;
            auto a = neue(prog.p, fs);
            int beendet = 0;
            a->beendenLassen = [&] { ++beendet; };
            prog.p.hauptform->Spiel_startenbuttonClick();
            QTRY_COMPARE(a->auftraege(), 1);
            a->abwarten();
            prog.stand.vermoegen = 1000 + wie;
            if (wie > 0) a->endeOhneWahl(wie == 2);
            QCOMPARE(beendet, wie > 0 ? 1 : 0);
            QCOMPARE(neuester().vermoegen, wie == 2 ? 1002.0 : 50000.0);
            a->beenden();
            QCOMPARE(neuester().vermoegen, 1000.0 + wie);
            QCOMPARE(dateien().pruefen().angebot.pfad.empty(), wie == 0);
        }
    }

    // A full disk or no folder at all: one quiet notice on the main screen with the reason, no
    // message box; it goes once writing works again and does not come back in this run.
    void einStillerHinweis() {
        VollerOrdner voll;
        auto a = neue(*p, voll);
        THauptform& h = *p->hauptform;
        QVERIFY(h.sicherungshinweis->isHidden());
        h.Spiel_startenbuttonClick();
        QTRY_VERIFY(!h.sicherungshinweis->isHidden());
        QCOMPARE(h.sicherungshinweis->text(),
                 QStringLiteral("Automatisches Sichern nicht möglich: Disk full"));
        QCOMPARE(h.sicherungshinweis->accessibleName(), QStringLiteral("Automatisches Sichern"));
        QVERIFY(!h.sicherungshinweis->geometry().intersects(h.Label3->geometry()));
        QVERIFY(!h.sicherungshinweis->geometry().intersects(h.Label4->geometry()));
        for (bool v : {false, true}) {
            voll.voll = v;
            a->sichern();
            a->abwarten();
            QTRY_VERIFY(h.sicherungshinweis->isHidden());
        }

        TestProgramm ohne;
        const QString datei = ordner->filePath(QStringLiteral("datei"));
        QFile(datei).open(QIODevice::WriteOnly);  // a file where a folder would have to be
        Autosicherung b(ohne.p, datei + QStringLiteral("/kabrolux"), fs);
        QVERIFY(!b.einrichten());
        b.starten();
        ohne.p.hauptform->Spiel_startenbuttonClick();
        QTRY_COMPARE(ohne.p.hauptform->sicherungshinweis->text(),
                     QStringLiteral("Automatisches Sichern nicht möglich: File not found"));
        QVERIFY(t->meldungen.isEmpty() && ohne.meldungen.isEmpty());
    }
};

QTEST_MAIN(TestAutosicherung)
#include "autosicherung_test.moc"
