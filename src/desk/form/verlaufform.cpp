#include "desk/form/verlaufform.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <array>
#include <functional>
#include <vector>

#include "sim/lesen.h"
#include "sim/spiel.h"
#include "sim/verlauf.h"
#include "state/zahlen.h"
#include "ui/basis/farben.h"
#include "ui/basis/qtanzeige.h"
#include "ui/basis/spieltexte.h"
#include "ui/basis/vorlagen.h"

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

// The four charts and their curves, in the order of the window, in the language of the moment.
struct Tafeln {
    std::array<Tafel, 4> t;
    Tafeln();
};

Tafeln::Tafeln() {
    const QString punkte = QCoreApplication::translate("kabrolux::ui::TVerlaufform", "%1 Punkte");
    t[0] = {QCoreApplication::translate("kabrolux::ui::TVerlaufform", "Vermögen und Schulden"),
            QStringLiteral("€"),
            euro,
            {{QCoreApplication::translate("kabrolux::ui::TVerlaufform", "Vermögen"), kLimone,
              Qt::SolidLine, [](const Verlaufspunkt& p) { return p.vermoegen; }},
             {QCoreApplication::translate("kabrolux::ui::TVerlaufform", "Schulden"), kHellrot,
              Qt::DashLine, [](const Verlaufspunkt& p) { return double(p.schulden); }}},
            2};
    t[1] = {
        QCoreApplication::translate("kabrolux::ui::TVerlaufform",
                                    "Image, Bekanntheit, Untergrundansehen, Gesamtattraktivität"),
        QCoreApplication::translate("kabrolux::ui::TVerlaufform", "Punkte"),
        [punkte](double w) { return punkte.arg(q(zahlText(Round64(w)))); },
        {{QCoreApplication::translate("kabrolux::ui::TVerlaufform", "Image"), kAqua, Qt::SolidLine,
          [](const Verlaufspunkt& p) { return double(p.image); }},
         {QCoreApplication::translate("kabrolux::ui::TVerlaufform", "Bekanntheit"), kGelb,
          Qt::DashLine, [](const Verlaufspunkt& p) { return double(p.bekanntheit); }},
         {QCoreApplication::translate("kabrolux::ui::TVerlaufform", "Untergrundansehen"), kRosa,
          Qt::DotLine, untergrund},
         {QCoreApplication::translate("kabrolux::ui::TVerlaufform", "Gesamtattraktivität"), kLimone,
          Qt::DashDotLine, attraktivitaet}},
        2};
    t[2] = {QCoreApplication::translate("kabrolux::ui::TVerlaufform", "Aktienkurse"),
            QStringLiteral("€"),
            euro,
            {},
            3};
    const QColor farben[kAktien] = {kGelb, kRosa, kLimone, kAqua, kOrange, kHellblau};
    const Qt::PenStyle striche[kAktien] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                           Qt::DashDotLine, Qt::DashDotDotLine, Qt::SolidLine};
    for (int k = 0; k < kAktien; ++k)
        t[2].linien.push_back({aktienlisteText(k + 1), farben[k], striche[k],
                               [k](const Verlaufspunkt& p) { return double(p.kurse[k]); }});
    t[3] = {QCoreApplication::translate("kabrolux::ui::TVerlaufform", "Aufträge"),
            QCoreApplication::translate("kabrolux::ui::TVerlaufform", "Anzahl"),
            anzahl,
            {{QCoreApplication::translate("kabrolux::ui::TVerlaufform", "Erhalten"), kGelb,
              Qt::SolidLine, [](const Verlaufspunkt& p) { return double(p.erhalten); }},
             {QCoreApplication::translate("kabrolux::ui::TVerlaufform", "Angenommen"), kAqua,
              Qt::DashLine, [](const Verlaufspunkt& p) { return double(p.angenommen); }},
             {QCoreApplication::translate("kabrolux::ui::TVerlaufform", "Erledigt"), kLimone,
              Qt::DotLine, [](const Verlaufspunkt& p) { return double(p.erledigt); }},
             {QCoreApplication::translate("kabrolux::ui::TVerlaufform", "Verpasst"), kHellrot,
              Qt::DashDotLine, [](const Verlaufspunkt& p) { return double(p.verpasst); }}},
            4};
}

const std::array<Tafel, 4>& tafeln() {
    return aktuelleVorlagen<Tafeln>().t;
}

}  // namespace

TVerlaufform::TVerlaufform(Spiel& s, QtAnzeige& a) : Nebenform(s, a, "verlaufform", tr("Verlauf")) {
    schwarzesFenster(this, kGelb);
    resize(940, 680);
    setMinimumSize(900, 600);
    seitZeile = new QLabel(this);
    QFont gross = seitZeile->font();
    gross.setPointSize(11);
    gross.setBold(true);
    seitZeile->setFont(gross);
    hinweisZeile = new QLabel(this);
    hinweisZeile->setWordWrap(true);
    textfarbe(hinweisZeile, kAqua);
    baueZeitraum();
    baueDiagramme();
    KABROLUX_NAMEN(seitZeile, hinweisZeile, zeitraumRahmen, tagKnopf, wocheKnopf, allesKnopf,
                   geldDiagramm, ansehenDiagramm, aktienDiagramm, auftragsDiagramm, geldLegende,
                   ansehenLegende, aktienLegende, auftragsLegende);

    connect(&anzeige.ereignisse(), &Spielereignisse::verlaufGeaendert, this, [this] {
        if (isVisible()) auffrischen();
    });
}

void TVerlaufform::baueZeitraum() {
    zeitraumRahmen = new QGroupBox(tr("Zeitraum:"), this);
    textfarbe(zeitraumRahmen, kLimone);
    auto* zeile = new QHBoxLayout(zeitraumRahmen);
    tagKnopf = new QRadioButton(tr("Letzter &Tag"), zeitraumRahmen);
    wocheKnopf = new QRadioButton(tr("Letzte &Woche"), zeitraumRahmen);
    allesKnopf = new QRadioButton(tr("&Alles"), zeitraumRahmen);
    for (QRadioButton* r : {tagKnopf, wocheKnopf, allesKnopf}) {
        r->setAccessibleName(r->text().remove(QLatin1Char('&')));
        zeile->addWidget(r);
        connect(r, &QRadioButton::toggled, this, [this](bool an) {
            if (an && isVisible()) auffrischen();
        });
    }
    zeitraumRahmen->setAccessibleName(tr("Zeitraum"));
    wocheKnopf->setChecked(true);
}

void TVerlaufform::baueDiagramme() {
    auto* oben = new QHBoxLayout;
    auto* links = new QVBoxLayout;
    links->addWidget(seitZeile);
    links->addWidget(hinweisZeile);
    oben->addLayout(links, 1);
    oben->addWidget(zeitraumRahmen, 0, Qt::AlignTop);
    auto* raster = new QGridLayout;
    Verlaufsdiagramm** diagramme[] = {&geldDiagramm, &ansehenDiagramm, &aktienDiagramm,
                                      &auftragsDiagramm};
    QWidget** legenden[] = {&geldLegende, &ansehenLegende, &aktienLegende, &auftragsLegende};
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
    ansehenDiagramm->festerBereich(-100,
                                   300);  // the bars' scales: image from -100, popularity to 300
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
    seitZeile->setText(
        laeuft ? seitText(v) + (v.gekuerzt()
                                    ? tr(", davon die letzten %1 Spieltage").arg(Verlauf::kTage)
                                    : QString())
               : tr("Verlauf"));
    const QString leer = !laeuft ? tr("Es läuft noch kein Spiel.")
                                 : tr("Noch keine Werte: Der erste wird zur nächsten vollen "
                                      "Spielstunde aufgezeichnet.");
    // The span ends at the latest sample.
    const double spanne = tagKnopf->isChecked() ? 1 : wocheKnopf->isChecked() ? 7 : 1e9;
    int erster = 0;
    while (erster < v.anzahl() && v[erster].zeit < v[v.anzahl() - 1].zeit - spanne - 1e-6)
        ++erster;
    std::vector<double> zeiten;
    for (int i = erster; i < v.anzahl(); ++i)
        zeiten.push_back(v[i].zeit);
    hinweisZeile->setText(
        v.leer() ? leer
                 : tr("Ein Wert zu jeder vollen Spielstunde, zuletzt am %1 um %2 Uhr. "
                      "Genaue Werte zeigt der Mauszeiger, in einem Diagramm (Tab) auch "
                      "die Pfeiltasten.")
                       .arg(q(datumText(zeiten.back())), q(zeitText(zeiten.back()))));
    Verlaufsdiagramm* diagramme[] = {geldDiagramm, ansehenDiagramm, aktienDiagramm,
                                     auftragsDiagramm};
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

QString TVerlaufform::seitText(const Verlauf& v) const {
    if (!v.geladen()) return tr("Verlauf seit Spielbeginn");
    return tr("Verlauf seit dem Laden am %1 um %2 Uhr")
        .arg(q(datumText(v.beginn())), q(zeitText(v.beginn())));
}

void TVerlaufform::showEvent(QShowEvent* e) {
    Nebenform::showEvent(e);
    auffrischen();
}

}  // namespace kabrolux::ui
