#include "ui/einstellungenform.h"

#include <utility>

#include "sim/takt.h"
#include "ui/basis/farben.h"
#include "ui/basis/qtanzeige.h"

namespace kabrolux::ui {

namespace {

QRadioButton* knopf(QGroupBox* g, const QString& text, int x, int y) {
    auto* r = new QRadioButton(text, g);
    r->setGeometry(x, y, 113, 17);
    return r;
}

QGroupBox* rahmen(QWidget* eltern, const QString& text, int x, int y) {
    auto* g = new QGroupBox(text, eltern);
    g->setGeometry(x, y, 153, 129);
    return g;
}

}  // namespace

Teinstellungenform::Teinstellungenform(Spiel& s, QtAnzeige& a)
    : Nebenform(s, a, "einstellungenform", tr("Einstellungen")) {
    schwarzesFenster(this, kLimone);
    setFixedSize(333, 222);
    Label1 = beschriftung(this, QString(), 8, 8, kGelb);

    GroupBox1 = rahmen(this, tr("Spielgeschwindigkeit:"), 12, 32);
    RadioButton1 = knopf(GroupBox1, tr("Schnell (4)"), 11, 24);
    RadioButton2 = knopf(GroupBox1, tr("Normal (3)"), 11, 44);
    RadioButton3 = knopf(GroupBox1, tr("Langsam (2)"), 11, 63);
    RadioButton9 = knopf(GroupBox1, tr("Sehr langsam (1)"), 11, 83);
    RadioButton4 = knopf(GroupBox1, tr("Pause (0)"), 11, 102);
    RadioButton3->setChecked(true);

    GroupBox2 = rahmen(this, tr("Startkapital:"), 172, 32);
    RadioButton5 = knopf(GroupBox2, QStringLiteral("30.000 €"), 8, 24);
    RadioButton6 = knopf(GroupBox2, QStringLiteral("40.000 €"), 8, 48);
    RadioButton7 = knopf(GroupBox2, QStringLiteral("50.000 €"), 8, 72);
    RadioButton8 = knopf(GroupBox2, QStringLiteral("60.000 €"), 8, 96);
    RadioButton7->setChecked(true);

    Label2 = new QLabel(tr("Die Zahlen in Klammern können Sie im Hauptmenü zum Einstellen der "
                           "Spielgeschwindigkeit benutzen."),
                        this);
    Label2->setGeometry(4, 164, 168, 56);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    textfarbe(Label2, kGelb);

    // A click on a marked button also counts, as the toggled signal alone would miss it.
    KABROLUX_NAMEN(Label1, Label2, GroupBox1, GroupBox2, RadioButton1, RadioButton2, RadioButton3,
                   RadioButton4, RadioButton5, RadioButton6, RadioButton7, RadioButton8,
                   RadioButton9);
    const std::pair<QRadioButton*, int> stufen[] = {{RadioButton1, 4},
                                                    {RadioButton2, 3},
                                                    {RadioButton3, 2},
                                                    {RadioButton9, 1},
                                                    {RadioButton4, 0}};
    for (const auto& [knopf, stufe] : stufen)
        connect(knopf, &QRadioButton::clicked, this,
                [this, ms = kTaktMs[stufe]] { geschwindigkeit(ms); });
    setzeText(Label1, anzeige.letzteUhr());  // made after some ticks: the clock as it stands
    connect(&anzeige.ereignisse(), &Spielereignisse::uhrGeaendert, this,
            [this](const QString& t) { setzeText(Label1, t); });
}

void Teinstellungenform::geschwindigkeit(int ms) {
    // Before a game has started the speed is only remembered for it.
    geschwindigkeitGewaehlt(spiel, ms);
}

int Teinstellungenform::startkapital() const {
    if (RadioButton5->isChecked()) return 30000;
    if (RadioButton6->isChecked()) return 40000;
    if (RadioButton7->isChecked()) return 50000;
    if (RadioButton8->isChecked()) return 60000;
    return 0;
}

}  // namespace kabrolux::ui
