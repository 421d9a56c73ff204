#include "testprogramm.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <utility>

#include "desk/form/posteingangform.h"
#include "desk/form/statistikform.h"
#include "desk/form/taxisendenform.h"
#include "desk/form/verlaufform.h"
#include "economy/form/autohaendlerform.h"
#include "economy/form/bankform.h"
#include "economy/form/personalform.h"
#include "economy/form/preiseform.h"
#include "economy/form/werbungform.h"
#include "sim/kurse.h"
#include "sim/spiel.h"
#include "sim/takt.h"
#include "ui/einstellungenform.h"

namespace kabrolux::test {

TestProgramm::TestProgramm() : stand(p.spiel.stand()), lauf(p.spiel.lauf()), uhr(p.spiel.uhr()) {
    p.anzeige.meldungenSammeln = &meldungen;
    p.hauptform->show();
}

void ProgrammTest::init() {
    t = std::make_unique<TestProgramm>();
    p = &t->p;
}

void ProgrammTest::cleanup() {
    t.reset();
    p = nullptr;
    if (std::exchange(sprachwechsel_, false)) ui::spracheEinrichten(ui::Sprache::deutsch);
}

void ProgrammTest::inSprache(ui::Sprache sprache) {
    t.reset();
    ui::spracheEinrichten(sprache);
    sprachwechsel_ = true;
    t = std::make_unique<TestProgramm>();
    p = &t->p;
}

void laufendesSpiel(TestProgramm& t) {
    ui::THauptform& h = *t.p.hauptform;
    h.Spiel_startenbuttonClick();
    Spielstand& st = t.stand;
    st.vermoegen = 123456.75;
    for (int k = 1; k <= 3; ++k) {
        gekauftesTaxi(st, k, k + 1);
        eingestellterFahrer(st, k, 4 * k - 2);
    }
    for (int r = 2; r <= 6; ++r)
        (r % 2 == 0 ? angenommenerAuftrag : neuerAuftrag)(st, r, 100000 + r, 30);
    neuerSonderauftrag(st, 3, 999999);
    fahrenderAuftrag(st, 1, 1, 40);
    senden(st, 1, 1, 40);
    for (int i = 0; i < 3; ++i) {
        t.zeit.ms = 1000u + 7919u * i;
        aktienkurseberechnen(t.p.spiel);
    }
    t.zeit.ms = 1;
    Timer1Timer(t.p.spiel);
    h.FormPaint();
}

void jedenBildschirm(TestProgramm& t, const std::function<void(QWidget*)>& sehen) {
    ui::Programm& p = t.p;
    sehen(p.hauptform.get());
    const QList<ui::Nebenform*> formen = {
        p.posteingangform(), p.taxi_sendenform(), p.werbungform(),      p.statistikform(),
        p.bankform(),        p.preiseform(),      p.einstellungenform()};
    for (ui::Nebenform* f : formen) {
        p.oeffne(f);
        sehen(f);
        f->close();
    }
    ui::Tbankform& bank = *p.bankform();
    p.oeffne(&bank);
    bank.Button1->click();
    bank.ComboBox1->setCurrentIndex(3);
    bank.Edit1->setText(QStringLiteral("25"));
    bank.Button3->click();
    sehen(&bank);
    bank.close();
    p.hauptform->autohaendlerbutton->click();
    for (int m = 1; m <= 4; ++m, p.autohaendlerform()->Button1Click())
        sehen(p.autohaendlerform());
    p.autohaendlerform()->close();
    p.hauptform->personalbutton->click();
    for (int k = 1; k <= 12; ++k, p.personalform()->Button2Click())
        sehen(p.personalform());
    p.personalform()->close();
    p.verlaufform()->oeffnen(*p.hauptform);
    sehen(p.verlaufform());
}

KaputteBilder::KaputteBilder() {
    QDir(ordner_.path()).mkpath(QStringLiteral("taxis"));
    QDir(ordner_.path()).mkpath(QStringLiteral("personal"));
    QFile kaputt(ordner_.path() + QStringLiteral("/taxis/1.jpg"));
    if (kaputt.open(QIODevice::WriteOnly)) kaputt.write("kein Bild");
    qputenv("KABROLUX_BILDER", ordner_.path().toUtf8());
}

KaputteBilder::~KaputteBilder() {
    qunsetenv("KABROLUX_BILDER");
}

namespace {

double leuchtdichte(const QColor& c) {
    auto kanal = [](int v) {
        const double x = v / 255.0;
        return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * kanal(c.red()) + 0.7152 * kanal(c.green()) + 0.0722 * kanal(c.blue());
}

}  // namespace

double kontrast(const QColor& a, const QColor& b) {
    const double la = leuchtdichte(a), lb = leuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Helligkeiten helligkeiten(const QImage& bild, const QRect& bereich) {
    Helligkeiten h;
    double min = 2, max = -1;
    const QRect r = bereich.intersected(bild.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            const double l = leuchtdichte(c);
            if (l < 0.2) ++h.dunkel;
            if (l > 0.8) ++h.hell;
            if (l < min) min = l, h.dunkelstes = c;
            if (l > max) max = l, h.hellstes = c;
        }
    return h;
}

}  // namespace kabrolux::test
