#include "economy/form/personalform.h"

#include "economy/personal.h"
#include "sim/lesen.h"
#include "state/kataloge.h"
#include "ui/basis/farben.h"
#include "ui/basis/spieltexte.h"

namespace kabrolux::ui {

TPersonalform::TPersonalform(Spiel& s, QtAnzeige& a)
    : Nebenform(s, a, "Personalform", tr("Personalwesen")) {
    schwarzesFenster(this, kGelb);
    setFixedSize(400, 260);
    Image1 = new QLabel(this);
    Image1->setGeometry(16, 16, 121, 129);
    Image1->setScaledContents(true);
    Label1 = beschriftung(this, QString(), 152, 16, kGelb, 12);
    Label2 = beschriftung(this, QString(), 152, 40, kGelb);
    Label3 = beschriftung(this, QString(), 152, 60, kGelb);
    Label4 = beschriftung(this, QString(), 152, 80, kGelb);
    Label5 = beschriftung(this, QString(), 152, 100, kGelb, 10);
    Label6 = new QLabel(
        tr("Je höher die Erfahrung eines Fahrers ist, umso weniger Unfälle baut er."), this);
    Label6->setGeometry(232, 150, 153, 45);
    Label6->setWordWrap(true);
    Label6->setAlignment(Qt::AlignCenter);
    Button1 = druckknopf(this, tr("Zurück"), 16, 160, 58, 26);
    Button2 = druckknopf(this, tr("Vor"), 79, 160, 58, 26);
    Button3 = druckknopf(this, tr("Einstellen"), 16, 200, 121, 28);
    Button4 = druckknopf(this, tr("Entlassen"), 16, 200, 121, 28);
    KABROLUX_NAMEN(Image1, Label1, Label2, Label3, Label4, Label5, Label6, Button1, Button2,
                   Button3, Button4);
    connect(Button1, &QPushButton::clicked, this, &TPersonalform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TPersonalform::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TPersonalform::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TPersonalform::Button4Click);
}

bool TPersonalform::fahreranzeigen(int n) {
    const Fahrerkandidat* k = kandidat(n);
    if (!k) return false;
    setzeText(Label1, QString::fromUtf8(k->name));
    setzeText(Label2, QString::fromUtf8(k->zusatz));
    setzeText(Label3, alterText(*k));
    setzeText(Label4, erfahrungText(*k));
    setzeText(Label5, gehaltText(*k));
    const bool eingestellt = kandidatEingestellt(spiel, n);
    Button3->setVisible(!eingestellt);
    Button4->setVisible(eingestellt);
    Image1->setAccessibleName(QString::fromUtf8(k->name));
    return bildZeigen(Image1, QStringLiteral("personal/%1.jpg").arg(lesen(spiel).aktuellerfahrer));
}

bool TPersonalform::oeffnen() {
    personalOeffnen(spiel);
    if (!fahreranzeigen(1)) return false;
    return true;
}

void TPersonalform::Button1Click() {
    if (fahrerZurueck(spiel)) fahreranzeigen(lesen(spiel).aktuellerfahrer);
}

void TPersonalform::Button2Click() {
    if (fahrerVor(spiel)) fahreranzeigen(lesen(spiel).aktuellerfahrer);
}

void TPersonalform::Button3Click() {
    fahrerEinstellen(spiel);
    vomSpielerGeaendert();
    Button3->hide();
    Button4->show();
}

void TPersonalform::Button4Click() {
    const bool entlassen = fahrerEntlassen(spiel, [this] {
        Button3->show();
        Button4->hide();
    });
    if (entlassen) vomSpielerGeaendert();
}

}  // namespace kabrolux::ui
