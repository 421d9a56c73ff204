// "Speichern" and "Laden" on the main screen: the dialogs, the file, and what loading shows.
#include <QtTest>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>

#include "economy/form/preiseform.h"
#include "sim/spiel.h"
#include "sim/takt.h"
#include "state/speicherdatei.h"
#include "testprogramm.h"
#include "ui/umgebung.h"

using namespace kabrolux;
using namespace kabrolux::ui;
using namespace kabrolux::test;

namespace {

// Runs `f` on the file dialog once it is open (the handler waits in its exec()); looks again
// every few milliseconds until it appears.
void beimDialog(std::function<void(QFileDialog*)> f, int versuche = 200) {
    QTimer::singleShot(5, [f, versuche] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (d) return f(d);
        if (versuche > 0) return beimDialog(f, versuche - 1);
        QFAIL("no file dialog opened");
    });
}

void waehle(QFileDialog* d, const QString& pfad) {
    d->selectFile(pfad);
    static_cast<QDialog*>(d)->accept();
}

// The places in the dialog's sidebar: shown name and folder.
QList<QPair<QString, QUrl>> orte(QFileDialog* d) {
    QList<QPair<QString, QUrl>> o;
    auto* leiste = d->findChild<QListView*>(QStringLiteral("sidebar"));
    for (int i = 0; leiste && i < leiste->model()->rowCount(); ++i) {
        const QModelIndex x = leiste->model()->index(i, 0);
        o.append({x.data().toString(), x.data(Qt::UserRole + 1).toUrl()});
    }
    return o;
}

QString buttonText(QFileDialog* d, QDialogButtonBox::StandardButton b) {
    auto* box = d->findChild<QDialogButtonBox*>();
    return box && box->button(b) ? box->button(b)->text() : QString();
}

}  // namespace

class TestSpielstanddialoge : public ProgrammTest {
    Q_OBJECT
    QTemporaryDir ordner, konfiguration;

  private slots:
    void initTestCase() {
        // The user's configuration folder for this run; nothing may appear in it.
        QVERIFY(konfiguration.isValid());
        qputenv("XDG_CONFIG_HOME", konfiguration.path().toUtf8());
        keineEinstellungenBehalten();
        spracheEinrichten(Sprache::deutsch);
        QVERIFY(ordner.isValid());
    }

    // Runs last: the dialogs of all the tests above wrote nothing between runs.
    void cleanupTestCase() {
        const QStringList inhalt =
            QDir(konfiguration.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QVERIFY2(inhalt.isEmpty(), qPrintable(inhalt.join(QLatin1Char(' '))));
    }

    void speichernMitDemDialog() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        QString titel, filter, endung, vorschlag, knopf;
        beimDialog([&](QFileDialog* d) {
            titel = d->windowTitle();
            filter = d->nameFilters().join(QLatin1Char('|'));
            endung = d->defaultSuffix();
            auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            vorschlag = name ? name->text() : QString();
            knopf = buttonText(d, QDialogButtonBox::Cancel);
            QCOMPARE(d->objectName(), QStringLiteral("SaveDialog1"));
            waehle(d, ordner.filePath(QStringLiteral("erstes")));
        });
        h.speichernbutton->click();
        QCOMPARE(titel, QStringLiteral("Spielstand speichern"));
        QCOMPARE(filter, QStringLiteral("Kabrolux Spielstände (*.kbs)"));
        QCOMPARE(endung, QStringLiteral("kbs"));
        QCOMPARE(vorschlag, QStringLiteral("spielstand"));
        QCOMPARE(knopf, QStringLiteral("Abbrechen"));
        QFileInfo datei(ordner.filePath(QStringLiteral("erstes.kbs")));
        QVERIFY(datei.exists());
        QCOMPARE(datei.size(), qint64(speicherformat::kGroesse));
        QVERIFY(t->meldungen.isEmpty());
    }

    void ladenVorDemSpielStartetEinsAbbrechenLaesstEsLaufen() {
        THauptform& h = *p->hauptform;
        QCOMPARE(t->stand.spiellaeuft, 0);
        QString titel;
        beimDialog([&](QFileDialog* d) {
            titel = d->windowTitle();
            QCOMPARE(d->objectName(), QStringLiteral("OpenDialog1"));
            d->reject();
        });
        h.ladenbutton->click();
        QCOMPARE(titel, QStringLiteral("Spielstand laden"));
        QCOMPARE(t->stand.spiellaeuft, 1);
        QVERIFY(h.Spiel_startenbutton->isHidden());
        QVERIFY(h.Timer1.isActive());
        QCOMPARE(h.Label4->text(), QStringLiteral("Vermögen: 50000 €"));
    }

    void ladenZeigtDenGeladenenStand() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        Spielstand gespeichert = t->stand;
        gespeichert.vermoegen = 1234.5;
        gespeichert.image = 40;
        gespeichert.bekanntheit = 150;
        gespeichert.untergrundansehen = 7;
        gespeichert.kilometerpreis = 2.5;
        gespeichert.grundpreis = 4;
        gekauftesTaxi(gespeichert, 1, 2);
        const QString pfad = ordner.filePath(QStringLiteral("mitte.kbs"));
        QCOMPARE(QString::fromStdString(speichereDatei(pfad.toStdString(), gespeichert)),
                 QString());

        taste(&h, '0');  // paused: loading keeps the clock as it was
        beimDialog([&](QFileDialog* d) { waehle(d, pfad); });
        h.ladenbutton->click();
        QVERIFY(t->meldungen.isEmpty());
        QCOMPARE(t->stand.vermoegen, 1234.5);
        QCOMPARE(h.Label4->text(), QStringLiteral("Vermögen: 1234,5 €"));
        QCOMPARE(h.ProgressBar1->value(), 40);
        QCOMPARE(h.ProgressBar2->value(), 150);
        QCOMPARE(h.ProgressBar4->value(), 35);
        QCOMPARE(p->preiseform()->kilometerpreisText(), QStringLiteral("2,5"));
        QCOMPARE(p->preiseform()->grundpreisText(), QStringLiteral("4"));
        QCOMPARE(h.verfuegbaretaxenlistbox->count(), 1);
        QVERIFY(!h.Timer1.isActive());
    }

    void beschaedigteDateiAendertNichts() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        t->stand.vermoegen = 777;
        const Spielstand vorher = t->stand;
        const QString pfad = ordner.filePath(QStringLiteral("kaputt.kbs"));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(1000, 'x'));
        f.close();
        beimDialog([&](QFileDialog* d) { waehle(d, pfad); });
        h.ladenbutton->click();
        QCOMPARE(t->meldungen, QStringList{QStringLiteral("Read beyond end of file")});
        QVERIFY(speicherbild(t->stand) == speicherbild(vorher));

        t->meldungen.clear();
        beimDialog([&](QFileDialog* d) { waehle(d, ordner.filePath(QStringLiteral("fehlt"))); });
        h.ladenbutton->click();
        QCOMPARE(t->meldungen, QStringList{QStringLiteral("File not found")});
        QVERIFY(speicherbild(t->stand) == speicherbild(vorher));
    }

    // "Speichern" pressed while a settlement lets input run in the middle of a tick: the
    // dialog opens only once the tick is over, so the file never holds a half-counted minute.
    void speichernWartetAufDasEndeDesTakts() {
        THauptform& h = *p->hauptform;
        h.Spiel_startenbuttonClick();
        fahrenderAuftrag(t->stand, 1, 9, 1);
        bool gedrueckt = false, imTaktGeoeffnet = true;
        // runs while the settlement lets input run
        QTimer::singleShot(0, [&] {
            gedrueckt = true;
            h.speichernbutton->click();
        });
        beimDialog([&](QFileDialog* d) {
            imTaktGeoeffnet = p->spiel.imTakt();
            waehle(d, ordner.filePath(QStringLiteral("nach_dem_takt")));
        });
        h.Timer1Takt();
        QVERIFY(gedrueckt);
        QVERIFY(!imTaktGeoeffnet);
        QVERIFY(QFile::exists(ordner.filePath(QStringLiteral("nach_dem_takt.kbs"))));
    }

    // The load dialog offers the autosave's folder as "Automatisch gesichert", under that name
    // also when a state is written meanwhile; the save dialog does not.
    void ladenBietetDieAutomatischGesichertenAn() {
        THauptform& h = *p->hauptform;
        QTemporaryDir sicherungen;
        p->sicherungsordner = sicherungen.path();
        const QUrl ort = QUrl::fromLocalFile(sicherungen.path());
        QList<QPair<QString, QUrl>> vorher, nachher;
        QString ordnerNachKlick;
        bool ganzZuSehen = false;
        beimDialog([&](QFileDialog* d) {
            vorher = orte(d);
            QFile f(sicherungen.filePath(QStringLiteral("spiel-1.kbs")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.close();
            QTest::qWait(300);  // the dialog's file watcher reports the folder changed
            nachher = orte(d);
            auto* leiste = d->findChild<QListView*>(QStringLiteral("sidebar"));
            const QRect zeile = leiste->visualRect(leiste->model()->index(nachher.size() - 1, 0));
            ganzZuSehen = leiste->fontMetrics().horizontalAdvance(nachher.last().first) <
                          leiste->viewport()->width() - zeile.height();  // the icon's room
            leiste->setCurrentIndex(leiste->model()->index(nachher.size() - 1, 0));
            ordnerNachKlick = d->directory().path();
            d->reject();
        });
        h.ladenbutton->click();
        const QPair<QString, QUrl> eintrag{QStringLiteral("Automatisch gesichert"), ort};
        QVERIFY(vorher.contains(eintrag));
        QCOMPARE(nachher.last(), eintrag);
        QCOMPARE(ordnerNachKlick, sicherungen.path());
        QVERIFY(ganzZuSehen);
        QList<QPair<QString, QUrl>> beimSpeichern;
        beimDialog([&](QFileDialog* d) {
            beimSpeichern = orte(d);
            d->reject();
        });
        h.speichernbutton->click();
        QVERIFY(!beimSpeichern.isEmpty());
        for (const auto& [name, url] : beimSpeichern)
            QVERIFY(url != ort);
    }

    void startMitDateiLaedtOderBleibtAmStart() {
        THauptform& h = *p->hauptform;
        h.startMitDatei(ordner.filePath(QStringLiteral("fehlt.kbs")));
        QCOMPARE(t->meldungen, QStringList{QStringLiteral("File not found")});
        QCOMPARE(t->stand.spiellaeuft, 0);
        QVERIFY(!h.Spiel_startenbutton->isHidden());

        // what a game writes: running numbers from 1, shares at their price
        Spielstand gespeichert = t->stand;
        gespeichert.spiellaeuft = 1;
        gespeichert.auftragsnummer = gespeichert.taxinummer = gespeichert.fahrernummer = 1;
        for (Aktie& a : gespeichert.aktien)
            a.kurs = 100;
        gespeichert.vermoegen = 4711;
        gespeichert.bekanntheit = 10;
        const QString pfad = ordner.filePath(QStringLiteral("start.kbs"));
        QCOMPARE(QString::fromStdString(speichereDatei(pfad.toStdString(), gespeichert)),
                 QString());
        h.startMitDatei(pfad);
        QCOMPARE(t->stand.spiellaeuft, 1);
        QCOMPARE(t->stand.vermoegen, 4711.0);
        QVERIFY(h.Spiel_startenbutton->isHidden());
        QVERIFY(h.Timer1.isActive());
    }
};

QTEST_MAIN(TestSpielstanddialoge)
#include "spielstanddialoge_test.moc"
