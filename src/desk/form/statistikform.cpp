#include "desk/form/statistikform.h"

#include "sim/lesen.h"
#include "state/statistik.h"
#include "state/zahlen.h"
#include "ui/basis/farben.h"
#include "ui/basis/qtanzeige.h"

namespace kabrolux::ui {

Tstatistikform::Tstatistikform(Spiel& s, QtAnzeige& a)
    : Nebenform(s, a, "statistikform", QStringLiteral("Statistik")) {
    schwarzesFenster(this, kGelb);
    // Grown below the five lines by just the button to the history.
    setFixedSize(312, 160);
    // Caption left, its value beside it in the caption's colour.
    // The value labels carry their names until the first drawing overwrites them.
    auto zeile = [this](const char* text, int y, const QColor& farbe, QLabel*& wert,
                        const char* name) {
        QLabel* l = beschriftung(this, QString::fromUtf8(text), 16, y, farbe);
        wert = beschriftung(this, QString::fromLatin1(name), 232, y, farbe);
        return l;
    };
    Label1 = zeile("Erhaltene Aufträge:", 16, kGelb, Label4, "Label4");
    Label2 = zeile("Erledigte Aufträge:", 36, kLimone, Label5, "Label5");
    Label3 = zeile("Verpasste Aufträge:", 56, kHellrot, Label6, "Label6");
    Label7 = zeile("Angenommene Aufträge:", 76, kLimone, Label9, "Label9");
    Label8 = zeile("nicht erledigte angenommene Aufträge:", 96, kHellrot, Label10, "Label10");

    Button1 = druckknopf(this, QStringLiteral("&Verlauf"), 16, 124, 100);
    Button1->setAccessibleName(QStringLiteral("Verlauf"));
    connect(Button1, &QPushButton::clicked, this, &Tstatistikform::verlaufGewuenscht);

    auto neuZeichnen = [this] {
        if (isVisible()) FormPaint();
    };
    Spielereignisse* e = &anzeige.ereignisse();
    connect(e, &Spielereignisse::uhrGeaendert, this, neuZeichnen);
    connect(e, &Spielereignisse::auftragEingegangen, this, neuZeichnen);
    connect(e, &Spielereignisse::auftraegeGeaendert, this, neuZeichnen);
    KABROLUX_NAMEN(Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10,
                   Button1);
}

void Tstatistikform::FormPaint() {
    const Statistik st = statistikBerechnen(lesen(spiel));
    setzeText(Label4, q(zahlText(st.erhalten)));
    setzeText(Label5, q(zahlText(st.erledigt)));
    setzeText(Label6, q(zahlText(st.verpasst)));
    setzeText(Label9, q(zahlText(st.angenommen)));
    setzeText(Label10, q(zahlText(st.angenommenOffen)));
}

void Tstatistikform::showEvent(QShowEvent* e) {
    Nebenform::showEvent(e);
    FormPaint();
}

}  // namespace kabrolux::ui
