// The history window as a player uses it, and the guide that F1 opens on every screen.
#include <QScrollBar>
#include <QtTest>

#include "desk/form/posteingangform.h"
#include "desk/form/statistikform.h"
#include "desk/form/taxisendenform.h"
#include "desk/form/verlaufform.h"
#include "economy/form/autohaendlerform.h"
#include "economy/form/bankform.h"
#include "economy/form/personalform.h"
#include "economy/form/preiseform.h"
#include "economy/form/werbungform.h"
#include "lesbar.h"
#include "sim/laden.h"
#include "sim/takt.h"
#include "state/zahlen.h"
#include "testprogramm.h"
#include "ui/basis/anleitung.h"
#include "ui/basis/farben.h"
#include "ui/basis/qtanzeige.h"
#include "ui/einstellungenform.h"

using namespace kabrolux;
using namespace kabrolux::ui;
using namespace kabrolux::test;

class TestVerlaufform : public ProgrammTest {
    Q_OBJECT

    // Starts a game at 10:00 and plays `minuten` game minutes with the prices drawn anew.
    void spielen(int minuten) {
        if (t->stand.spiellaeuft != 1) p->hauptform->Spiel_startenbuttonClick();
        for (int i = 0; i < minuten; ++i) {
            t->zeit.ms = 1000u + 7919u * static_cast<uint32_t>(i);
            Timer1Timer(p->spiel);
        }
    }
    void druecken(QWidget* fenster, Qt::Key taste) {
        QApplication::setActiveWindow(fenster);
        QTest::keyClick(fenster, taste);
    }

  private slots:
    // Two game days: the statistics' button opens the window beside it, with four named charts
    // whose latest values are text; the span picks the samples.
    void inhaltUndZeitraum() {
        spielen(2 * 1440);
        p->hauptform->statistikbutton->click();
        p->statistikform()->Button1->click();
        TVerlaufform& f = *p->verlaufform();
        QVERIFY(f.isVisible());
        QVERIFY(p->statistikform()->isVisible());
        QCOMPARE(f.windowTitle(), QStringLiteral("Verlauf"));
        QCOMPARE(f.seitZeile->text(), QStringLiteral("Verlauf seit Spielbeginn"));
        QVERIFY(
            f.hinweisZeile->text().contains(QStringLiteral("zuletzt am 09.12.2026 um 10:00 Uhr")));
        const QList<std::tuple<Verlaufsdiagramm*, QWidget*, QString, int>> diagramme{
            {f.geldDiagramm, f.geldLegende, QStringLiteral("Vermögen und Schulden"), 2},
            {f.ansehenDiagramm, f.ansehenLegende,
             QStringLiteral("Image, Bekanntheit, Untergrundansehen, Gesamtattraktivität"), 4},
            {f.aktienDiagramm, f.aktienLegende, QStringLiteral("Aktienkurse"), 6},
            {f.auftragsDiagramm, f.auftragsLegende, QStringLiteral("Aufträge"), 4}};
        const QString stand = QStringLiteral("09.12.2026 10:00 Uhr\n");
        for (const auto& [d, legende, name, kurven] : diagramme) {
            QCOMPARE(d->accessibleName(), name);
            QCOMPARE(static_cast<int>(d->kurven().size()), kurven);
            QVERIFY(d->accessibleDescription().startsWith(stand));
            QStringList letzte;
            for (const QLabel* l : legende->findChildren<QLabel*>())
                letzte << l->text();
            for (const Kurve& k : d->kurven())
                QVERIFY2(letzte.join(QLatin1Char(' ')).contains(k.name + QStringLiteral(": ")),
                         qPrintable(k.name));
            QCOMPARE(d->anzahl(), 48);
        }
        QVERIFY(f.geldDiagramm->accessibleDescription().contains(
            QStringLiteral("Vermögen: ") + q(zahlText(t->stand.vermoegen)) + QStringLiteral(" €")));
        f.tagKnopf->click();
        QCOMPARE(f.geldDiagramm->anzahl(), 25);
        QApplication::setActiveWindow(&f);
        QTest::keyClick(&f, Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(f.aktienDiagramm->anzahl(), 48);
        // The arrow keys move a marker whose values become the description.
        f.geldDiagramm->setFocus();
        QTest::keyClick(f.geldDiagramm, Qt::Key_Home);
        QVERIFY(
            f.geldDiagramm->accessibleDescription().startsWith(QStringLiteral("07.12.2026 11:00")));
        // On the day's span the marker keeps its hour when the next sample arrives.
        f.tagKnopf->click();
        f.geldDiagramm->setFocus();
        QTest::keyClick(f.geldDiagramm, Qt::Key_End);
        QTest::keyClick(f.geldDiagramm, Qt::Key_Left);
        const QString markiert = f.geldDiagramm->accessibleDescription().left(16);
        spielen(60);
        QCOMPARE(f.geldDiagramm->accessibleDescription().left(16), markiert);
        for (QRadioButton* r : {f.tagKnopf, f.wocheKnopf, f.allesKnopf})
            QVERIFY(!r->accessibleName().isEmpty());
        QCOMPARE(abgeschnitten(&f).join(QLatin1Char('\n')), QString());
        QCOMPARE(abgeschnitten(p->statistikform()).join(QLatin1Char('\n')), QString());
    }

    // It follows the clock while open; a load begins a new, empty history and says so.
    void folgtDerUhrUndDemLaden() {
        spielen(60);
        druecken(p->hauptform.get(), Qt::Key_F2);
        TVerlaufform& f = *p->verlaufform();
        QVERIFY(f.isVisible());
        QVERIFY(p->hauptform->isVisible());
        QCOMPARE(f.ansehenDiagramm->anzahl(), 1);
        spielen(60);
        QCOMPARE(f.ansehenDiagramm->anzahl(), 2);
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("a.kbs"));
        QVERIFY(spielSpeichern(p->spiel, s(datei)));
        QVERIFY(spielLaden(p->spiel, s(datei)));
        QCOMPARE(f.seitZeile->text(),
                 QStringLiteral("Verlauf seit dem Laden am 07.12.2026 um 12:00 Uhr"));
        QCOMPARE(f.ansehenDiagramm->anzahl(), 0);
        QVERIFY(f.hinweisZeile->text().startsWith(QStringLiteral("Noch keine Werte")));
        druecken(&f, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
    }

    // F1 on every screen shows that screen's section first; the clock runs on; Escape closes.
    void anleitungAufJedemBildschirm() {
        spielen(1);
        const QList<QPair<QWidget*, const char*>> faelle{
            {p->hauptform.get(), "Das Spiel"},
            {p->posteingangform(), "Aufträge und Posteingang"},
            {p->taxi_sendenform(), "Taxi senden"},
            {p->autohaendlerform(), "Taxen kaufen"},
            {p->personalform(), "Fahrer einstellen"},
            {p->preiseform(), "Preise und Strafen"},
            {p->werbungform(), "Werbung"},
            {p->bankform(), "Bank: Kredite und Zinsen"},
            {p->statistikform(), "Statistik und Verlauf"},
            {p->einstellungenform(), "Einstellungen und Tasten"},
            {p->verlaufform(), "Statistik und Verlauf"}};
        Spielanleitung& hilfe = p->anzeige.anleitung();
        for (const auto& [fenster, titel] : faelle) {
            fenster->show();
            druecken(fenster, Qt::Key_F1);
            QVERIFY2(hilfe.isVisible(), titel);
            QVERIFY2(hilfe.Text->toPlainText().startsWith(QString::fromUtf8(titel)), titel);
            QVERIFY(t->uhr.laeuft());
        }
        QCOMPARE(hilfe.Text->accessibleName(), QStringLiteral("Spielanleitung"));
        QVERIFY(hilfe.Text->toPlainText().contains(QStringLiteral("Alle Abschnitte: ")));
        // Every heading is an anchor the list of sections leads to.
        hilfe.Text->scrollToAnchor(QStringLiteral("a11"));
        QVERIFY(hilfe.Text->verticalScrollBar()->value() > 0);
        QTest::keyClick(hilfe.Text, Qt::Key_Escape);
        QVERIFY(!hilfe.isVisible());
    }
};

QTEST_MAIN(TestVerlaufform)
#include "verlaufform_test.moc"
