#include "desk/form/verlaufform.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <array>
#include <functional>
#include <vector>

#include "economy/bank.h"
#include "sim/lesen.h"
#include "sim/spiel.h"
#include "sim/verlauf.h"
#include "state/zahlen.h"
#include "ui/basis/farben.h"
#include "ui/basis/qtanzeige.h"

namespace kabrolux::ui {

namespace {

const QColor kRosa{0xFF, 0x80, 0xFF}, kOrange{0xFF, 0xA0, 0x40}, kHellblau{0x90, 0x90, 0xFF};

struct Linie {
    QString name;
    QColor farbe;
    Qt::PenStyle strich;
    std::function<double(const Verlaufspunkt&)> wert;
};

struct Tafel {
    QString titel, einheit;
    std::function<QString(double)> text;
    std::vector<Linie> linien;
    int spalten;  // of the legend
};

QString euro(double w) {
    return q(zahlText(w)) + QStringLiteral(" €");
}
QString punkte(double w) {
    return q(zahlText(Round64(w))) + QStringLiteral(" Punkte");
}
QString anzahl(double w) {
    return q(zahlText(Round64(w)));
}

// As the main screen's bars show them: underworld 0..100, attractiveness 0..100.
double untergrund(const Verlaufspunkt& p) {
    return untergrundpunkte(p.untergrundansehen);
}
double attraktivitaet(const Verlaufspunkt& p) {
    return attraktivitaetspunkte(p.attraktivitaet);
}

// The four charts and their curves, in the order of the window.
const std::array<Tafel, 4>& tafeln() {
    static const std::array<Tafel, 4> t = [] {
        std::array<Tafel, 4> t;
        t[0] = {QStringLiteral("Vermögen und Schulden"),
                QStringLiteral("€"),
                euro,
                {{QStringLiteral("Vermögen"), kLimone, Qt::SolidLine,
                  [](const Verlaufspunkt& p) { return p.vermoegen; }},
                 {QStringLiteral("Schulden"), kHellrot, Qt::DashLine,
                  [](const Verlaufspunkt& p) { return double(p.schulden); }}},
                2};
        t[1] = {QStringLiteral("Image, Bekanntheit, Untergrundansehen, Gesamtattraktivität"),
                QStringLiteral("Punkte"),
                punkte,
                {{QStringLiteral("Image"), kAqua, Qt::SolidLine,
                  [](const Verlaufspunkt& p) { return double(p.image); }},
                 {QStringLiteral("Bekanntheit"), kGelb, Qt::DashLine,
                  [](const Verlaufspunkt& p) { return double(p.bekanntheit); }},
                 {QStringLiteral("Untergrundansehen"), kRosa, Qt::DotLine, untergrund},
                 {QStringLiteral("Gesamtattraktivität"), kLimone, Qt::DashDotLine, attraktivitaet}},
                2};
        t[2] = {QStringLiteral("Aktienkurse"), QStringLiteral("€"), euro, {}, 3};
        const QColor farben[kAktien] = {kGelb, kRosa, kLimone, kAqua, kOrange, kHellblau};
        const Qt::PenStyle striche[kAktien] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                               Qt::DashDotLine, Qt::DashDotDotLine, Qt::SolidLine};
        for (int k = 0; k < kAktien; ++k)
            t[2].linien.push_back({QString::fromUtf8(aktiennamen[k].liste), farben[k], striche[k],
                                   [k](const Verlaufspunkt& p) { return double(p.kurse[k]); }});
        t[3] = {QStringLiteral("Aufträge"),
                QStringLiteral("Anzahl"),
                anzahl,
                {{QStringLiteral("Erhalten"), kGelb, Qt::SolidLine,
                  [](const Verlaufspunkt& p) { return double(p.erhalten); }},
                 {QStringLiteral("Angenommen"), kAqua, Qt::DashLine,
                  [](const Verlaufspunkt& p) { return double(p.angenommen); }},
                 {QStringLiteral("Erledigt"), kLimone, Qt::DotLine,
                  [](const Verlaufspunkt& p) { return double(p.erledigt); }},
                 {QStringLiteral("Verpasst"), kHellrot, Qt::DashDotLine,
                  [](const Verlaufspunkt& p) { return double(p.verpasst); }}},
                4};
        return t;
    }();
    return t;
}

}  // namespace

TVerlaufform::TVerlaufform(Spiel& s, QtAnzeige& a)
    : Nebenform(s, a, "verlaufform", QStringLiteral("Verlauf")) {
    schwarzesFenster(this, kGelb);
    resize(940, 680);
    setMinimumSize(900, 600);
    Label1 = new QLabel(this);
    QFont gross = Label1->font();
    gross.setPointSize(11);
    gross.setBold(true);
    Label1->setFont(gross);
    Label2 = new QLabel(this);
    Label2->setWordWrap(true);
    textfarbe(Label2, kAqua);
    baueZeitraum();
    baueDiagramme();
    KABROLUX_NAMEN(Label1, Label2, GroupBox1, RadioButton1, RadioButton2, RadioButton3, Diagramm1,
                   Diagramm2, Diagramm3, Diagramm4, Legende1, Legende2, Legende3, Legende4);

    connect(&anzeige.ereignisse(), &Spielereignisse::verlaufGeaendert, this, [this] {
        if (isVisible()) auffrischen();
    });
}

void TVerlaufform::baueZeitraum() {
    GroupBox1 = new QGroupBox(QStringLiteral("Zeitraum:"), this);
    textfarbe(GroupBox1, kLimone);
    auto* zeile = new QHBoxLayout(GroupBox1);
    RadioButton1 = new QRadioButton(QStringLiteral("Letzter &Tag"), GroupBox1);
    RadioButton2 = new QRadioButton(QStringLiteral("Letzte &Woche"), GroupBox1);
    RadioButton3 = new QRadioButton(QStringLiteral("&Alles"), GroupBox1);
    for (QRadioButton* r : {RadioButton1, RadioButton2, RadioButton3}) {
        r->setAccessibleName(r->text().remove(QLatin1Char('&')));
        zeile->addWidget(r);
        connect(r, &QRadioButton::toggled, this, [this](bool an) {
            if (an && isVisible()) auffrischen();
        });
    }
    GroupBox1->setAccessibleName(QStringLiteral("Zeitraum"));
    RadioButton2->setChecked(true);
}

void TVerlaufform::baueDiagramme() {
    auto* oben = new QHBoxLayout;
    auto* links = new QVBoxLayout;
    links->addWidget(Label1);
    links->addWidget(Label2);
    oben->addLayout(links, 1);
    oben->addWidget(GroupBox1, 0, Qt::AlignTop);
    auto* raster = new QGridLayout;
    Verlaufsdiagramm** diagramme[] = {&Diagramm1, &Diagramm2, &Diagramm3, &Diagramm4};
    QWidget** legenden[] = {&Legende1, &Legende2, &Legende3, &Legende4};
    for (int i = 0; i < 4; ++i) {
        const Tafel& t = tafeln()[i];
        auto* titel = beschriftung(this, t.titel, 0, 0, kGelb, 9);
        auto* d = new Verlaufsdiagramm(t.titel, t.einheit, t.text, this);
        titel->setBuddy(d);
        auto* legende = new QWidget(this);
        auto* zeilen = new QGridLayout(legende);
        zeilen->setContentsMargins(0, 0, 0, 0);
        zeilen->setHorizontalSpacing(16);
        zeilen->setVerticalSpacing(0);
        zeilen->setAlignment(Qt::AlignTop);
        // Two lines for every legend, so the charts side by side stand level.
        legende->setMinimumHeight(2 * fontMetrics().height());
        for (const Linie& l : t.linien) {
            auto* wert = new QLabel(legende);
            textfarbe(wert, l.farbe);
            const int k = static_cast<int>(letzte_[i].size());
            zeilen->addWidget(wert, k / t.spalten, k % t.spalten);
            letzte_[i].push_back(wert);
        }
        auto* spalte = new QVBoxLayout;
        spalte->setSpacing(2);
        spalte->addWidget(titel);
        spalte->addWidget(legende);
        spalte->addWidget(d, 1);
        raster->addLayout(spalte, i / 2, i % 2);
        *diagramme[i] = d;
        *legenden[i] = legende;
    }
    Diagramm2->festerBereich(-100, 300);  // the bars' scales: image from -100, popularity to 300
    auto* ganz = new QVBoxLayout(this);
    ganz->addLayout(oben);
    ganz->addLayout(raster, 1);
}

void TVerlaufform::oeffnen(const QWidget& ueber) {
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    zeigenDaneben(ueber);
}

void TVerlaufform::auffrischen() {
    const Verlauf& v = spiel.verlauf();
    const bool laeuft = lesen(spiel).spiellaeuft == 1;
    Label1->setText(
        laeuft ? QStringLiteral("Verlauf ") + q(verlaufSeitText(v)) +
                     (v.gekuerzt()
                          ? QStringLiteral(", davon die letzten %1 Spieltage").arg(Verlauf::kTage)
                          : QString())
               : QStringLiteral("Verlauf"));
    const QString leer = !laeuft ? QStringLiteral("Es läuft noch kein Spiel.")
                                 : QStringLiteral(
                                       "Noch keine Werte: Der erste wird zur nächsten "
                                       "vollen Spielstunde aufgezeichnet.");
    // The span ends at the latest sample.
    const double spanne = RadioButton1->isChecked() ? 1 : RadioButton2->isChecked() ? 7 : 1e9;
    int erster = 0;
    while (erster < v.anzahl() && v[erster].zeit < v[v.anzahl() - 1].zeit - spanne - 1e-6)
        ++erster;
    std::vector<double> zeiten;
    for (int i = erster; i < v.anzahl(); ++i)
        zeiten.push_back(v[i].zeit);
    Label2->setText(v.leer() ? leer
                             : QStringLiteral("Ein Wert zu jeder vollen Spielstunde, zuletzt am %1 "
                                              "um %2 Uhr. Genaue Werte zeigt der Mauszeiger, in "
                                              "einem Diagramm (Tab) auch die Pfeiltasten.")
                                   .arg(q(datumText(zeiten.back())), q(zeitText(zeiten.back()))));
    Verlaufsdiagramm* diagramme[] = {Diagramm1, Diagramm2, Diagramm3, Diagramm4};
    for (int d = 0; d < 4; ++d) {
        const Tafel& t = tafeln()[d];
        std::vector<Kurve> kurven;
        for (std::size_t n = 0; n < t.linien.size(); ++n) {
            const Linie& l = t.linien[n];
            Kurve k{l.name, l.farbe, l.strich, {}};
            for (int i = erster; i < v.anzahl(); ++i)
                k.werte.push_back(l.wert(v[i]));
            setzeText(letzte_[d][n], l.name + QStringLiteral(": ") +
                                         (v.leer() ? QStringLiteral("–") : t.text(k.werte.back())));
            kurven.push_back(std::move(k));
        }
        diagramme[d]->setzen(zeiten, std::move(kurven), leer);
    }
}

void TVerlaufform::showEvent(QShowEvent* e) {
    Nebenform::showEvent(e);
    auffrischen();
}

}  // namespace kabrolux::ui
