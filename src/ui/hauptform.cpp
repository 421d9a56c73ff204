#include "ui/hauptform.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <utility>

#include "desk/form/posteingangform.h"
#include "desk/form/statistikform.h"
#include "desk/form/taxisendenform.h"
#include "economy/form/autohaendlerform.h"
#include "economy/form/bankform.h"
#include "economy/form/personalform.h"
#include "economy/form/preiseform.h"
#include "economy/form/werbungform.h"
#include "sim/fahrten.h"
#include "sim/lesen.h"
#include "sim/neuesspiel.h"
#include "sim/spiel.h"
#include "sim/takt.h"
#include "state/listen.h"
#include "ui/basis/erstesbild.h"
#include "ui/basis/farben.h"
#include "ui/basis/jpegbild.h"
#include "ui/basis/spielliste.h"
#include "ui/basis/spieltexte.h"
#include "ui/einstellungenform.h"
#include "ui/programm.h"

namespace kabrolux::ui {

namespace {

QProgressBar* balken(QWidget* eltern, int x, int y, int b, int h, int von, int bis,
                     Qt::Orientation richtung = Qt::Horizontal) {
    auto* p = new QProgressBar(eltern);
    p->setOrientation(richtung);
    p->setRange(von, bis);
    p->setValue(von);
    p->setTextVisible(false);
    p->setGeometry(x, y, b, h);
    QPalette pal = p->palette();
    pal.setColor(QPalette::Highlight, QColor(0x00, 0xA0, 0x00));
    pal.setColor(QPalette::Base, QColor(0xD4, 0xD0, 0xC8));
    p->setPalette(pal);
    return p;
}

// The three scale texts under a 281-pixel bar: left end, middle, right end. Placed along the bar
// once they are measured (skalaAusrichten).
THauptform::Skala skala(QWidget* eltern, int x, const QString& links, const QString& mitte,
                        const QString& rechts) {
    constexpr int y = 439;
    return {beschriftungUngemessen(eltern, links, x, y, kGelb),
            beschriftungUngemessen(eltern, mitte, x, y, kGelb),
            beschriftungUngemessen(eltern, rechts, x, y, kGelb), x};
}

void skalaAusrichten(const THauptform::Skala& s) {
    constexpr int breite = 281;
    s.mitte->move(s.x + breite / 2 - s.mitte->width() / 2, s.mitte->y());
    s.rechts->move(s.x + breite - s.rechts->width(), s.rechts->y());
}

QListWidget* liste(QWidget* eltern, int x, int y, int b, int h) {
    auto* l = new Spielliste(eltern);
    l->setGeometry(x, y, b, h);
    return l;
}

}  // namespace

THauptform::THauptform(Programm& p, Aufbau aufbau) : p_(p) {
    setObjectName(QStringLiteral("Hauptform"));
    setWindowTitle(tr("Kabrolux Version 1.5"));
    schwarzesFenster(this, kGelb);
    setFixedSize(759, 537);
    if (aufbau == Aufbau::sofort) aufbauen();
}

void THauptform::aufbauen() {
    aufgebaut_ = true;
    baueKopf();
    baueListen();
    baueBalken();
    baueNavigation();
    KABROLUX_NAMEN(Image1, Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9,
                   Label10, Label11, Label12, Label13, Label14, Label15, verfuegbaretaxenlistbox,
                   verfuegbarefahrerlistbox, auftraegeamerledigenlistbox, ProgressBar1,
                   ProgressBar2, ProgressBar3, ProgressBar4, GroupBox1, Spiel_startenbutton,
                   taxi_sendenbutton, Werbungbutton, autohaendlerbutton, preisebutton,
                   personalbutton, statistikbutton, posteingangbutton, einstellungenbutton,
                   bankbutton, ladenbutton, speichernbutton, spielendebutton, sicherungshinweis);

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &THauptform::Timer1Takt);
    verbindeEreignisse();
    // Controls made after the window was shown show only when told; those hidden on purpose
    // stay so.
    if (isVisible())
        for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!w->testAttribute(Qt::WA_WState_ExplicitShowHide)) w->show();
}

// The title picture, the clock, the money and the new-order notice.
void THauptform::baueKopf() {
    Image1 = new QLabel(this);
    Image1->setGeometry(16, 8, 400, 300);
    Image1->setAccessibleName(tr("Titelbild: ein Taxi bei Nacht vor der Stadt"));

    Label2 = beschriftungUngemessen(this, QString(), 611, 382, kGelb, 10);
    Label4 = beschriftungUngemessen(this, QString(), 611, 401, kGelb, 10);
    Label3 = beschriftungUngemessen(this, QString(), 425, 302, kLimone);
    // Beside the money, clear of the new-order notice; three short lines fit.
    sicherungshinweis = hinweistext(this, QString(), kGelb);
    sicherungshinweis->setGeometry(611, 421, 141, 40);
    sicherungshinweis->setWordWrap(true);
    sicherungshinweis->setAccessibleName(tr("Automatisches Sichern"));
    sicherungshinweis->hide();
}

// Free taxis, free drivers and the trips under way, each under its caption.
void THauptform::baueListen() {
    Label5 = beschriftungUngemessen(this, tr("Verfügbare Taxen:"), 16, 320, kGelb);
    verfuegbaretaxenlistbox = liste(this, 16, 336, 281, 57);
    Label6 = beschriftungUngemessen(this, tr("Verfügbare Fahrer:"), 320, 320, kGelb);
    verfuegbarefahrerlistbox = liste(this, 320, 336, 281, 57);
    Label15 = beschriftungUngemessen(this, tr("Aufträge am erledigen:"), 16, 464, kGelb);
    auftraegeamerledigenlistbox = liste(this, 16, 480, 585, 49);
    beschriftet(verfuegbaretaxenlistbox, Label5);
    beschriftet(verfuegbarefahrerlistbox, Label6);
    beschriftet(auftraegeamerledigenlistbox, Label15);
    // The main screen sees digit keys before its lists do.
    for (QListWidget* l :
         {verfuegbaretaxenlistbox, verfuegbarefahrerlistbox, auftraegeamerledigenlistbox})
        l->installEventFilter(this);
}

// Image, popularity and underworld bars with their scales, and the attractiveness gauge.
void THauptform::baueBalken() {
    Label7 = beschriftungUngemessen(this, tr("Image der Firma:"), 16, 404, kGelb);
    ProgressBar1 = balken(this, 16, 420, 281, 16, -100, 100);
    ProgressBar1->setValue(0);
    imageSkala_ =
        skala(this, 16, QStringLiteral("-100"), QStringLiteral("0"), QStringLiteral("100"));
    Label10 = imageSkala_.links;
    Label9 = imageSkala_.mitte;
    Label11 = imageSkala_.rechts;

    Label8 = beschriftungUngemessen(this, tr("Bekanntheit:"), 320, 404, kGelb);
    ProgressBar2 = balken(this, 320, 420, 281, 16, 0, 300);
    bekanntSkala_ =
        skala(this, 320, QStringLiteral("0"), QStringLiteral("150"), QStringLiteral("300"));
    Label14 = bekanntSkala_.links;
    Label13 = bekanntSkala_.mitte;
    Label12 = bekanntSkala_.rechts;

    Label1 = beschriftungUngemessen(this, tr("Untergrundansehen:"), 609, 464, kGelb);
    ProgressBar4 = balken(this, 609, 480, 141, 16, 0, 100);
    beschriftet(ProgressBar1, Label7);
    beschriftet(ProgressBar2, Label8);
    beschriftet(ProgressBar4, Label1);

    GroupBox1 = new QGroupBox(this);  // its title is measured too: set before the first picture
    GroupBox1->setGeometry(608, 32, 145, 345);
    textfarbe(GroupBox1, kAqua);
    ProgressBar3 = balken(GroupBox1, 11, 45, 14, 284, -100, -10, Qt::Vertical);
    const struct {
        int y;
        const char* text;
        QRgb farbe;
    } skala[] = {{40, QT_TR_NOOP("- Fantastisch"), 0x00FF00},
                 {80, QT_TR_NOOP("- Spitze"), 0x53FF53},
                 {120, QT_TR_NOOP("- Sehr gut"), 0x00FF80},
                 {160, QT_TR_NOOP("- Gut"), 0xAEFFAE},
                 {200, QT_TR_NOOP("- Normal"), 0xFEECC0},
                 {240, QT_TR_NOOP("- Schlecht"), 0xFF9B9B},
                 {280, QT_TR_NOOP("- Sehr schlecht"), 0xFF4F4F},
                 {320, QT_TR_NOOP("- Oh mein Gott"), 0xFF0000}};
    for (const auto& s : skala)
        beschriftungUngemessen(GroupBox1, tr(s.text), 26, s.y, QColor(s.farbe));
}

// The row of hover buttons and what each of them does.
void THauptform::baueNavigation() {
    Spiel_startenbutton = knopf(tr("Spiel starten"), 428, 17, 168);
    taxi_sendenbutton = knopf(tr("Taxi senden"), 428, 49, 80);
    Werbungbutton = knopf(tr("Werbung"), 516, 49, 80);
    autohaendlerbutton = knopf(tr("Autohändler"), 428, 81, 80);
    preisebutton = knopf(tr("Preise"), 516, 81, 80);
    personalbutton = knopf(tr("Personal"), 428, 114, 80);
    statistikbutton = knopf(tr("Statistik"), 516, 114, 80);
    posteingangbutton = knopf(tr("Posteingang"), 428, 146, 80);
    einstellungenbutton = knopf(tr("Einstellungen"), 516, 146, 80);
    bankbutton = knopf(tr("Bank"), 428, 178, 80);
    ladenbutton = knopf(tr("Laden"), 428, 210, 168);
    speichernbutton = knopf(tr("Speichern"), 428, 242, 168);
    spielendebutton = knopf(tr("Spielende"), 428, 274, 168);

    // Before a game only these four are offered.
    for (TDFWSelButton* b :
         {taxi_sendenbutton, Werbungbutton, autohaendlerbutton, preisebutton, personalbutton,
          statistikbutton, posteingangbutton, bankbutton, speichernbutton})
        b->hide();

    connect(Spiel_startenbutton, &TDFWSelButton::OnClick, this,
            &THauptform::Spiel_startenbuttonClick);
    connect(spielendebutton, &TDFWSelButton::OnClick, this, &THauptform::SpielendebuttonClick);
    connect(speichernbutton, &TDFWSelButton::OnClick, this, &THauptform::SpeichernbuttonClick);
    connect(ladenbutton, &TDFWSelButton::OnClick, this, &THauptform::LadenbuttonClick);
    connect(taxi_sendenbutton, &TDFWSelButton::OnClick, this, &THauptform::Taxi_sendenbuttonClick);
    connect(autohaendlerbutton, &TDFWSelButton::OnClick, this,
            &THauptform::AutohaendlerbuttonClick);
    connect(personalbutton, &TDFWSelButton::OnClick, this, &THauptform::PersonalbuttonClick);
    // Written out one by one: a this-capture nested in a generic lambda came out wrong
    // under GCC 12 with the sanitizers.
    connect(posteingangbutton, &TDFWSelButton::OnClick, this,
            [this] { p_.oeffne(p_.posteingangform()); });
    connect(Werbungbutton, &TDFWSelButton::OnClick, this, [this] { p_.oeffne(p_.werbungform()); });
    connect(preisebutton, &TDFWSelButton::OnClick, this, [this] { p_.oeffne(p_.preiseform()); });
    connect(statistikbutton, &TDFWSelButton::OnClick, this,
            [this] { p_.oeffne(p_.statistikform()); });
    connect(bankbutton, &TDFWSelButton::OnClick, this, [this] { p_.oeffne(p_.bankform()); });
    connect(einstellungenbutton, &TDFWSelButton::OnClick, this,
            [this] { p_.oeffne(p_.einstellungenform()); });
}

// What the game reports and this screen shows.
void THauptform::verbindeEreignisse() {
    Spielereignisse* e = &p_.anzeige.ereignisse();
    connect(e, &Spielereignisse::geldGeaendert, this,
            [this](const QString& t) { setzeText(Label4, t); });
    connect(e, &Spielereignisse::uhrGeaendert, this,
            [this](const QString& t) { setzeText(Label2, t); });
    connect(e, &Spielereignisse::balkenGeaendert, this, &THauptform::balkenSetzen);
    connect(e, &Spielereignisse::auftragEingegangen, this,
            [this](const QString& hinweis, const QString&, int) { setzeText(Label3, hinweis); });
    connect(e, &Spielereignisse::auftraegeGeaendert, this, &THauptform::FormPaint);
}

TDFWSelButton* THauptform::knopf(const QString& text, int x, int y, int breite) {
    auto* b = new TDFWSelButton(this);
    TDFWSelButton::alsHauptmenueKnopf(b);
    b->setCaption(text);
    b->setGeometry(x, y, breite, 25);
    b->setEnabled_(true);
    return b;
}

void THauptform::Timer1Takt() {
    Timer1Timer(p_.spiel);
    // What the player asked for while the tick let input run, now that it is over.
    if (!p_.spiel.imTakt() && nachDemTakt_) std::exchange(nachDemTakt_, nullptr)();
}

void THauptform::nachDemTakt(std::function<void()> f) {
    nachDemTakt_ = std::move(f);
}

void THauptform::balkenSetzen(Balken b, int wert) {
    switch (b) {
        case Balken::image:
            setzeBalken(ProgressBar1, wert);
            break;
        case Balken::bekanntheit:
            setzeBalken(ProgressBar2, wert);
            break;
        case Balken::attraktivitaet:
            setzeBalken(ProgressBar3, wert);
            break;
        case Balken::untergrund:
            setzeBalken(ProgressBar4, wert);
            break;
    }
}

void THauptform::uhrAbgleichen() {
    const Uhr& u = p_.spiel.uhr();
    if (!u.laeuft()) {
        Timer1.stop();
    } else if (!Timer1.isActive() || Timer1.interval() != u.intervall()) {
        // Switching on, or a new speed, starts a full interval from now.
        Timer1.start(u.intervall());
    }
}

void THauptform::FormPaint() {
    auto halt = p_.spiel.uhr().aussetzen();
    const Spielstand& s = lesen(p_.spiel);
    const Hauptlisten l = hauptlisten(s);
    auto fuellen = [](QListWidget* w, const auto& zeilen, const auto& text) {
        w->clear();
        for (const auto& z : zeilen) {
            // The number goes with the line, whatever language its text is in.
            auto* item = new QListWidgetItem(text(z));
            item->setData(Qt::UserRole, z.nummer);
            w->addItem(item);
        }
    };
    if (s.spiellaeuft == 1) fuellen(auftraegeamerledigenlistbox, l.fahrten, fahrtText);
    setzeText(Label4, geldText(s.vermoegen));
    fuellen(verfuegbaretaxenlistbox, l.taxen, taxiText);
    fuellen(verfuegbarefahrerlistbox, l.fahrer, fahrerText);
}

void THauptform::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (bemessen_) FormPaint();
}

// The first time, the window goes to the screen before its controls are made, their texts
// measured and its picture read, as a bare window goes before its fonts load: the desktop maps
// it meanwhile. All of that is done before the event loop paints its first picture.
void THauptform::setVisible(bool sichtbar) {
    QWidget::setVisible(sichtbar);
    if (!sichtbar || bemessen_) return;
    fensterAbschicken();
    if (!aufgebaut_) aufbauen();
    vorDemErstenBild();
}

void THauptform::vorDemErstenBild() {
    bemessen_ = true;
    GroupBox1->setTitle(tr("Gesamtattraktivität:"));
    for (QLabel* l : findChildren<QLabel*>())
        if (l != Image1) l->adjustSize();
    skalaAusrichten(imageSkala_);
    skalaAusrichten(bekanntSkala_);
    QString fehler;
    const QImage titel = ladeJpeg(bilderOrdner() + QStringLiteral("titel.jpg"), &fehler);
    // Stretched only when it does not fit: a scaling label keeps two more copies of it.
    Image1->setScaledContents(titel.size() != Image1->size());
    if (!titel.isNull()) Image1->setPixmap(QPixmap::fromImage(titel));
    FormPaint();
}

void THauptform::Spiel_startenbuttonClick() {
    if (!neuesSpiel(p_.spiel, p_.einstellungenform()->startkapital(),
                    s(p_.preiseform()->grundpreisText()), s(p_.preiseform()->kilometerpreisText())))
        return;
    Spiel_startenbutton->hide();
    for (TDFWSelButton* b :
         {autohaendlerbutton, personalbutton, posteingangbutton, taxi_sendenbutton, bankbutton,
          preisebutton, Werbungbutton, statistikbutton, speichernbutton})
        b->show();
    FormPaint();
}

void THauptform::SpielendebuttonClick() {
    close();
}

void THauptform::closeEvent(QCloseEvent* e) {
    // Closing the main window ends the program, without a question and without saving.
    QWidget::closeEvent(e);
    QCoreApplication::quit();
}

void THauptform::Taxi_sendenbuttonClick() {
    p_.oeffne(p_.taxi_sendenform(), [this] { auswahlZuruecksetzen(p_.spiel); });
}

void THauptform::AutohaendlerbuttonClick() {
    if (p_.autohaendlerform()->oeffnen()) p_.oeffne(p_.autohaendlerform());
}

void THauptform::PersonalbuttonClick() {
    if (p_.personalform()->oeffnen()) p_.oeffne(p_.personalform());
}

void THauptform::FormKeyPress(char taste) {
    tasteGedrueckt(p_.spiel, taste);
}

void THauptform::keyPressEvent(QKeyEvent* e) {
    const QString t = e->text();
    if (t.size() == 1 && t[0] >= QLatin1Char('0') && t[0] <= QLatin1Char('4')) {
        FormKeyPress(t[0].toLatin1());
        return;
    }
    QWidget::keyPressEvent(e);
}

bool THauptform::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        const QString t = k->text();
        if (t.size() == 1 && t[0] >= QLatin1Char('0') && t[0] <= QLatin1Char('4')) {
            FormKeyPress(t[0].toLatin1());
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

}  // namespace kabrolux::ui
