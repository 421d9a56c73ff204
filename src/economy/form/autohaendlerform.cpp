#include "economy/form/autohaendlerform.h"

#include "economy/autohaendler.h"
#include "sim/lesen.h"
#include "state/kataloge.h"
#include "ui/basis/farben.h"
#include "ui/basis/qtanzeige.h"
#include "ui/basis/spieltexte.h"

namespace kabrolux::ui {

TAutohaendlerform::TAutohaendlerform(Spiel& s, QtAnzeige& a)
    : Nebenform(s, a, "Autohaendlerform", tr("Autohänder")) {
    schwarzesFenster(this, kGelb);
    setFixedSize(480, 300);
    Image1 = new QLabel(this);
    Image1->setGeometry(16, 16, 225, 153);
    Image1->setScaledContents(true);
    Label1 = beschriftung(this, QString(), 256, 16, kGelb, 12);
    Label2 = beschriftung(this, QString(), 256, 40, kGelb);
    Label3 = beschriftung(this, QString(), 256, 60, kGelb);
    Label4 = beschriftung(this, QString(), 256, 80, kGelb);
    Label5 = beschriftung(this, QString(), 256, 104, kGelb, 10);
    Label6 = beschriftung(this, QString(), 256, 140, kGelb, 10);
    Label7 =
        new QLabel(tr("Hoher Komfort im Taxi schlägt sich auf Ihren Imagegewinn nieder.."), this);
    Label7->setGeometry(16, 184, 448, 20);
    Button2 = druckknopf(this, tr("Zurück"), 16, 220, 100, 28);
    Button1 = druckknopf(this, tr("Vor"), 141, 220, 100, 28);
    Button3 = druckknopf(this, tr("Kaufen"), 256, 220, 208, 28);
    KABROLUX_NAMEN(Image1, Label1, Label2, Label3, Label4, Label5, Label6, Label7, Button1, Button2,
                   Button3);
    connect(Button1, &QPushButton::clicked, this, &TAutohaendlerform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TAutohaendlerform::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TAutohaendlerform::Button3Click);
}

bool TAutohaendlerform::Bilder(int n) {
    const Automodell* m = automodell(n);
    if (!m) return false;
    setzeText(Label1, QString::fromUtf8(m->name));
    setzeText(Label2, QString::fromUtf8(m->zusatz));
    setzeText(Label3, leistungText(*m));
    setzeText(Label4, sitzeText(*m));
    setzeText(Label5, preisText(*m));
    Image1->setAccessibleName(QString::fromUtf8(m->name));
    return bildZeigen(Image1, QStringLiteral("taxis/%1.jpg").arg(n));
}

bool TAutohaendlerform::oeffnen() {
    setzeText(Label6, geldText(lesen(spiel).vermoegen));
    autohaendlerOeffnen(spiel);
    if (!Bilder(1)) return false;
    return true;
}

void TAutohaendlerform::Button1Click() {
    if (autoVor(spiel)) Bilder(lesen(spiel).aktuellesauto);
}

void TAutohaendlerform::Button2Click() {
    if (autoZurueck(spiel)) Bilder(lesen(spiel).aktuellesauto);
}

void TAutohaendlerform::Button3Click() {
    if (!autoKaufen(spiel)) return;
    setzeText(Label6, geldText(lesen(spiel).vermoegen));
}

}  // namespace kabrolux::ui
