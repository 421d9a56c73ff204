// A random player on the real screens, with the clock running at its fastest: clicks on
// whatever buttons, lines and radio buttons are visible, typing into fields, digit keys, F1, F2 and
// Escape, closing windows, answering messages and file dialogs. Nothing may crash or hang, a
// message never opens over another one, and the game stays sound.
#include <QtTest>

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <random>

#include "pruefung.h"
#include "sim/lesen.h"
#include "sim/spiel.h"
#include "testprogramm.h"

using namespace kabrolux;
using namespace kabrolux::ui;
using namespace kabrolux::test;

namespace {

const char* const kTexte[] = {"",    " ",   "3",     "1,2",
                              "1.5", "abc", "1.000", "nan",
                              "-0",  "25",  "1e400", "999999999999999999999999999999",
                              "10",  "0,5"};

class Affe {
  public:
    Affe(TestProgramm& t, uint64_t saat, const QString& ordner)
        : t_(t), p_(t.p), zufall_(saat), ordner_(ordner) {}

    // Answers a modal window, if one is open. Runs on a timer of its own: a step that opened the
    // window waits in its event loop, and a timer is never re-entered while its slot runs.
    void antworten() {
        if (QWidget* modal = QApplication::activeModalWidget()) antworten(modal);
    }

    // One step; while a modal window is open the player can only answer it.
    void schritt() {
        // The computer's clock moves on, so each reseed gives other draws.
        t_.zeit.ms = static_cast<uint32_t>(zufall_() % 86'400'000);
        if (QApplication::activeModalWidget()) return;
        QList<QWidget*> fenster;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) fenster.append(w);
        if (fenster.isEmpty()) return;
        QWidget* w = fenster[zahl(fenster.size())];
        switch (zahl(11)) {
            case 10:
                return ticken();
            case 0:
                return taste(w);
            case 1:
                return schliessen(w);
            case 2:
            case 3:
                return liste(w);
            case 4:
                return tippen(w);
            case 5:
                return auswaehlen(w);
            default:
                return klicken(w);
        }
    }

  private:
    int zahl(qsizetype n) {
        return n <= 0 ? 0 : static_cast<int>(zufall_() % static_cast<uint64_t>(n));
    }
    template <class T>
    QList<T*> sichtbar(QWidget* w) {
        QList<T*> v;
        for (T* c : w->findChildren<T*>())
            if (c->isVisibleTo(w) && c->isEnabled()) v.append(c);
        return v;
    }
    void antworten(QWidget* modal) {
        if (auto* d = qobject_cast<QFileDialog*>(modal)) {
            // Loading now and then (it takes the game back to an earlier minute), saving often.
            const bool laden = d->acceptMode() == QFileDialog::AcceptOpen;
            if (zahl(10) < (laden ? 8 : 3)) return d->reject();
            d->selectFile(ordner_ +
                          (zahl(2) ? QStringLiteral("/affe.kbs") : QStringLiteral("/fehlt.kbs")));
            static_cast<QDialog*>(d)->accept();
        } else if (auto* m = qobject_cast<QMessageBox*>(modal)) {
            m->accept();
        } else {
            modal->close();
        }
    }
    // Every button but "Spielende", which would end the run.
    void klicken(QWidget* w) {
        auto knoepfe = sichtbar<QAbstractButton>(w);
        knoepfe.removeAll(p_.hauptform->spielendebutton);
        if (!knoepfe.isEmpty()) QTest::mouseClick(knoepfe[zahl(knoepfe.size())], Qt::LeftButton);
    }
    void liste(QWidget* w) {
        const auto listen = sichtbar<QListWidget>(w);
        if (listen.isEmpty()) return;
        QListWidget* l = listen[zahl(listen.size())];
        if (zahl(2) == 0 && l->count() > 0) {
            QListWidgetItem* i = l->item(zahl(l->count()));
            const QRect r = l->visualItemRect(i);
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                              zahl(2) ? r.center() : QPoint(r.left() + 8, r.center().y()));
        } else {
            const Qt::Key tasten[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Space, Qt::Key_Home,
                                      Qt::Key_End};
            QTest::keyClick(l, tasten[zahl(5)]);
        }
    }
    void tippen(QWidget* w) {
        const auto felder = sichtbar<QLineEdit>(w);
        if (felder.isEmpty()) return;
        QLineEdit* e = felder[zahl(felder.size())];
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, QString::fromUtf8(kTexte[zahl(std::size(kTexte))]));
        if (zahl(2) == 0) QTest::keyClick(e, Qt::Key_Tab);
    }
    void auswaehlen(QWidget* w) {
        const auto boxen = sichtbar<QComboBox>(w);
        if (!boxen.isEmpty()) boxen[zahl(boxen.size())]->setCurrentIndex(zahl(8) - 1);
    }
    // Speed digits, and now and then the guide, the history or Escape.
    void taste(QWidget* w) {
        const Qt::Key andere[] = {Qt::Key_F1, Qt::Key_F2, Qt::Key_Escape};
        QApplication::setActiveWindow(w);
        if (zahl(4) == 0) return QTest::keyClick(w, andere[zahl(3)]);
        const char c = "012345x"[zahl(7)];
        QTest::keyClick(w, c);
    }
    // Game minutes between the timer's own, so trips and orders come and go within the run.
    void ticken() {
        for (int i = zahl(30); i >= 0 && !QApplication::activeModalWidget(); --i) {
            t_.zeit.ms = static_cast<uint32_t>(zufall_() % 86'400'000);
            p_.hauptform->Timer1Takt();
        }
    }
    void schliessen(QWidget* w) {
        if (w != p_.hauptform.get() && zahl(3) == 0) w->close();
    }

    TestProgramm& t_;
    Programm& p_;
    std::mt19937_64 zufall_;
    QString ordner_;
};

}  // namespace

class TestAffeOberflaeche : public ProgrammTest {
    Q_OBJECT

  private slots:
    void zufaelligeSpielerUeberallen() {
        const int schritte = qEnvironmentVariableIntValue("KABROLUX_AFFE_SCHRITTE") > 0
                                 ? qEnvironmentVariableIntValue("KABROLUX_AFFE_SCHRITTE")
                                 : 3000;
        QTemporaryDir ordner;
        p->anzeige.meldungenSammeln = nullptr;  // real message boxes, answered by the monkey
        for (uint64_t saat = 1; saat <= 3; ++saat) {
            if (saat > 1) {
                t = std::make_unique<TestProgramm>();
                p = &t->p;
            }
            p->anzeige.meldungenSammeln = nullptr;
            p->hauptform->Spiel_startenbuttonClick();
            taste(p->hauptform.get(), '4');  // the fastest speed
            Affe affe(*t, saat, ordner.path());
            int getan = 0;
            QTimer treiber;
            QObject::connect(&treiber, &QTimer::timeout, [&] {
                ++getan;
                affe.schritt();
                if (!p->spiel.imTakt() && QApplication::activeModalWidget() == nullptr) {
                    const std::string mangel = invariantenPruefen(lesen(p->spiel));
                    if (!mangel.empty()) QFAIL(qPrintable(QString::fromStdString(mangel)));
                }
            });
            QTimer antwort;
            QObject::connect(&antwort, &QTimer::timeout, [&] { affe.antworten(); });
            treiber.start(0);
            antwort.setTimerType(Qt::PreciseTimer);
            antwort.start(1);
            QTRY_VERIFY_WITH_TIMEOUT(getan >= schritte, 120000);
            treiber.stop();
            antwort.stop();
            while (QWidget* m = QApplication::activeModalWidget()) {
                static_cast<QDialog*>(m)->reject();
                QCoreApplication::processEvents();
            }
            QCOMPARE(p->anzeige.hoechsteVerschachtelung() <= 1, true);
            QVERIFY(QString::fromStdString(invariantenPruefen(lesen(p->spiel))).isEmpty());
            qInfo("seed %llu: %d steps, game at %s, %d orders, %d settled, money %.0f",
                  static_cast<unsigned long long>(saat), getan,
                  qPrintable(p->hauptform->Label2->text()), lesen(p->spiel).auftragsnummer - 1,
                  lesen(p->spiel).erledigteauftraege, lesen(p->spiel).vermoegen);
        }
    }
};

QTEST_MAIN(TestAffeOberflaeche)
#include "affe_oberflaeche_test.moc"
