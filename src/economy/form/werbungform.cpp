#include "economy/form/werbungform.h"

#include "economy/werbung.h"
#include "ui/basis/farben.h"
#include "ui/basis/spieltexte.h"

namespace kabrolux::ui {

namespace {

QStringList captions() {
    QStringList l;
    for (int art = 1; art <= kWerbearten; ++art)
        l.append(werbeartText(art));
    return l;
}

}  // namespace

Twerbungform::Twerbungform(Spiel& s, QtAnzeige& a) : Nebenform(s, a, "werbungform", tr("Werbung")) {
    schwarzesFenster(this, kGelb);
    setFixedSize(320, 208);
    RadioGroup1 = new Radiogruppe(tr("Werbeart:"), captions(), 1, this);
    RadioGroup1->setGeometry(16, 12, 288, 136);
    RadioButton1 = RadioGroup1->knopf(0);
    RadioButton2 = RadioGroup1->knopf(1);
    RadioButton3 = RadioGroup1->knopf(2);
    RadioButton4 = RadioGroup1->knopf(3);
    RadioButton5 = RadioGroup1->knopf(4);
    RadioButton1->setChecked(true);
    Button1 = druckknopf(this, tr("Ja, markierte Werbung kaufen"), 16, 164, 184, 28);
    Button2 = druckknopf(this, tr("Abbruch"), 208, 164, 96, 28);
    connect(Button1, &QPushButton::clicked, this, &Twerbungform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Twerbungform::Button2Click);
    KABROLUX_NAMEN(RadioGroup1, RadioButton1, RadioButton2, RadioButton3, RadioButton4,
                   RadioButton5, Button1, Button2);
}

void Twerbungform::Button1Click() {
    werbungKaufen(spiel, RadioGroup1->ItemIndex() + 1);
    close();
}

void Twerbungform::Button2Click() {
    close();
}

}  // namespace kabrolux::ui
