#include "desk/form/taxisendenform.h"

#include <QSignalBlocker>

#include "sim/lesen.h"
#include "ui/basis/farben.h"
#include "ui/basis/qtanzeige.h"
#include "ui/basis/spielliste.h"
#include "ui/basis/spieltexte.h"

namespace kabrolux::ui {

TTaxi_sendenform::TTaxi_sendenform(Spiel& s, QtAnzeige& a)
    : Nebenform(s, a, "Taxi_sendenform", tr("Taxi entsenden")) {
    schwarzesFenster(this, kGelb);
    setFixedSize(720, 470);

    Label1 = beschriftung(this, tr("Noch zu erledigende Aufträge:"), 8, 8, kGelb);
    ListBox1 = new Spielliste(this, true);
    ListBox1->setGeometry(8, 24, 704, 150);
    Label2 = beschriftung(this, tr("verfügbare Taxen:"), 8, 184, kGelb);
    ListBox2 = new Spielliste(this);
    ListBox2->setGeometry(8, 200, 220, 170);
    Label3 = beschriftung(this, tr("verfügbare Fahrer:"), 492, 184, kGelb);
    ListBox3 = new Spielliste(this);
    ListBox3->setGeometry(492, 200, 220, 170);
    beschriftet(ListBox1, Label1);
    beschriftet(ListBox2, Label2);
    beschriftet(ListBox3, Label3);

    Label4 = new QLabel(this);
    Label4->setGeometry(236, 184, 248, 16);
    Label4->setAlignment(Qt::AlignHCenter);
    textfarbe(Label4, kLimone);

    Memo1 = hinweistext(this,
                        tr("Aufträge, die angenommen wurden, jedoch \n"
                           "nicht innerhalb von 18 Minuten Toleranz \n"
                           "ausgeführt wurden verschwinden automatisch \n"
                           "von dieser Liste. \n"
                           "ACHTUNG: Dabei entsteht ein Imageverlust. \n"
                           "Denn ein Passagier, der ein Taxi bestellt hat, \n"
                           "und 18 Minuten nach dem vereinbarten Termin \n"
                           "immer noch darauf wartet abgeholt zu werden, \n"
                           "wird Ihre Firma sicher nicht weiterempfehlen."),
                        kGelb, Qt::AlignHCenter);
    Memo1->setGeometry(236, 206, 248, 170);

    Button1 = druckknopf(this, tr("Auftrag mit diesem Fahrer und Taxi erledigen"), 8, 390, 340, 30);
    Button2 = druckknopf(this, tr("Zurück ins Hauptmenü"), 372, 390, 340, 30);

    // The chosen line changes by mouse, keyboard or assistive technology alike.
    KABROLUX_NAMEN(Label1, Label2, Label3, Label4, ListBox1, ListBox2, ListBox3, Button1, Button2,
                   Memo1);
    connect(ListBox1, &QListWidget::currentRowChanged, this,
            [this](int r) { auftragGewaehlt(spiel, r); });
    connect(ListBox2, &QListWidget::currentRowChanged, this,
            [this](int r) { taxiGewaehlt(spiel, r); });
    connect(ListBox3, &QListWidget::currentRowChanged, this,
            [this](int r) { fahrerGewaehlt(spiel, r); });
    connect(Button1, &QPushButton::clicked, this, &TTaxi_sendenform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QWidget::close);

    Spielereignisse* e = &anzeige.ereignisse();
    Label4->setText(anzeige.letzteUhr());
    connect(e, &Spielereignisse::uhrGeaendert, Label4, &QLabel::setText);
    // Hidden, the lists would be rebuilt for nobody; opening resets the choice and so refreshes.
    connect(e, &Spielereignisse::auswahlZurueckgesetzt, this, [this] {
        if (isVisible()) auffrischen();
    });
    connect(e, &Spielereignisse::auftraegeGeaendert, this, [this] {
        if (isVisible()) nachfuehren();
    });
}

void TTaxi_sendenform::auffrischen() {
    listenZeigen(sendenAufbauen(spiel));
}

void TTaxi_sendenform::nachfuehren() {
    listenZeigen(sendenNachfuehren(spiel, listen_));
}

void TTaxi_sendenform::listenZeigen(SendenListen neu) {
    // A change of orders is followed at once by a reset of the choice, which builds the same
    // lines again: lines that have not changed stay (and keep their scroll position).
    auto fuellen = [](QListWidget* w, const auto& alt, const auto& zeilen, int wahl,
                      const auto& text) {
        const QSignalBlocker sperre(w);
        if (zeilen == alt) {
            w->clearSelection();
        } else {
            w->clear();
            for (const auto& z : zeilen) {
                // The number goes with the line, whatever language its text is in.
                auto* item = new QListWidgetItem(text(z));
                item->setData(Qt::UserRole, z.nummer);
                w->addItem(item);
            }
        }
        // "No current line" set explicitly keeps the view from making the first line current
        // when it gets the keyboard focus: only the player chooses.
        zeigeGewaehlt(w, wahl);
    };
    const Laufwerte& wahl = laufwerte(spiel);
    std::string puffer;
    fuellen(ListBox1, listen_.auftraege, neu.auftraege, wahl.gewaehlterauftrag,
            [&puffer](const Auftrag& a) {
                auftragszeile(a, puffer);
                return QString::fromStdString(puffer);
            });
    fuellen(ListBox2, listen_.taxen, neu.taxen, wahl.gewaehltestaxi, taxiText);
    fuellen(ListBox3, listen_.fahrer, neu.fahrer, wahl.gewaehlterfahrer, fahrerText);
    listen_ = std::move(neu);
}

void TTaxi_sendenform::Button1Click() {
    taxiSenden(spiel, listen_);
}

}  // namespace kabrolux::ui
