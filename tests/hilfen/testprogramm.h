#pragma once
// The real program with its ten screens on fixed clocks, for the screen tests. Messages are
// collected instead of opening modal boxes.

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "bausteine.h"
#include "sim/laufwerte.h"
#include "sim/uhr.h"
#include "state/spielstand.h"
#include "stilleanzeige.h"
#include "ui/hauptform.h"
#include "ui/programm.h"
#include "ui/umgebung.h"

namespace kabrolux::test {

struct TestProgramm {
    FesteZeit zeit;
    QStringList meldungen;
    ui::Programm p{zeit};
    Spielstand& stand;
    Laufwerte& lauf;
    Uhr& uhr;

    TestProgramm();
};

// Base of the screen tests: a fresh program for every test function.
class ProgrammTest : public QObject {
    Q_OBJECT
  protected:
    std::unique_ptr<TestProgramm> t;
    ui::Programm* p = nullptr;
    // A fresh program in this language; the next test function starts in German again.
    void inSprache(ui::Sprache sprache);

  protected slots:
    void init();
    void cleanup();

  private:
    bool sprachwechsel_ = false;
};

// A game a few hours in: three taxis and drivers, orders of both kinds, a trip under way, and
// share prices that have moved.
void laufendesSpiel(TestProgramm& t);

// Every screen of a running game in turn, each open while `sehen` looks at it: the main screen,
// each side screen, the bank after a trade, the dealer at each model, the staff screen at each
// candidate, the history.
void jedenBildschirm(TestProgramm& t, const std::function<void(QWidget*)>& sehen);

// A picture folder whose taxis/1.jpg is no JPEG and whose personal/ is empty; the screens read
// it while KABROLUX_BILDER points at it.
class KaputteBilder {
  public:
    KaputteBilder();
    ~KaputteBilder();
    bool gueltig() const { return ordner_.isValid(); }

  private:
    QTemporaryDir ordner_;
};

// Contrast ratio of two colours as accessibility guidelines define it (1 to 21).
double kontrast(const QColor& a, const QColor& b);

// Pixels in a part of a picture, by relative luminance: dark below 0.2, light above 0.8.
struct Helligkeiten {
    int dunkel = 0, hell = 0;
    QColor dunkelstes, hellstes;
};
Helligkeiten helligkeiten(const QImage& bild, const QRect& bereich);

// The buttons that appear once a game runs.
inline QList<TDFWSelButton*> nachSpiel(ui::THauptform& h) {
    return {h.autohaendlerbutton, h.personalbutton,  h.posteingangbutton,
            h.taxi_sendenbutton,  h.bankbutton,      h.preisebutton,
            h.Werbungbutton,      h.statistikbutton, h.speichernbutton};
}

// A digit key as the window system delivers it.
inline void taste(QWidget* w, char c) {
    QKeyEvent e(QEvent::KeyPress, Qt::Key_0 + (c - '0'), Qt::NoModifier, QString(QChar(c)));
    QCoreApplication::sendEvent(w, &e);
}

}  // namespace kabrolux::test
