#include "economy/form/bankform.h"

#include <utility>

#include "economy/bank.h"
#include "sim/spiel.h"
#include "ui/basis/farben.h"
#include "ui/basis/qtanzeige.h"
#include "ui/basis/spieltexte.h"

namespace kabrolux::ui {

namespace {

constexpr int kZeilenAbstand = 18;

QStringList stufen() {
    QStringList l;
    for (const Kreditstufe& k : kreditstufen)
        l.append(QString::fromUtf8(k.text));
    return l;
}

// Six labels, one per share row: the row captions, or empty value labels.
std::array<QLabel*, kAktien> spalte(QWidget* eltern, int x, int y, const QColor& farbe,
                                    bool beschriftet) {
    std::array<QLabel*, kAktien> s{};
    for (int k = 0; k < kAktien; ++k) {
        const QString t = beschriftet ? aktienzeileText(k + 1) : QString();
        s[k] = beschriftung(eltern, t, x, y + kZeilenAbstand * k, farbe);
    }
    return s;
}

QGroupBox* rahmen(QWidget* eltern, const QString& titel, int x, int y, int b, int h) {
    auto* g = new QGroupBox(titel, eltern);
    g->setGeometry(x, y, b, h);
    return g;
}

}  // namespace

Tbankform::Tbankform(Spiel& s, QtAnzeige& a) : Nebenform(s, a, "bankform", tr("Bank")) {
    schwarzesFenster(this, kGelb);
    setFixedSize(776, 436);
    Label1 = beschriftung(this, tr("Bank"), 16, 8, kGelb, 18);
    QFont fett = Label1->font();
    fett.setBold(true);
    Label1->setFont(fett);
    Label1->adjustSize();
    Label44 = beschriftung(this, QString(), 16, 48, kLimone);
    Label2 = beschriftung(this, QString(), 16, 66, kLimone);
    Label45 = beschriftung(this, QString(), 16, 84, kGelb);
    kreditteil();
    aktienteil();
    depotteil();

    connect(Button1, &QPushButton::clicked, this, &Tbankform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tbankform::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &Tbankform::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &Tbankform::Button4Click);
    Spielereignisse* e = &anzeige.ereignisse();
    // The price texts are kept up to date even while hidden; the figures are drawn while shown.
    auto neuZeichnen = [this] {
        if (isVisible()) FormPaint();
    };
    connect(e, &Spielereignisse::kurseGeaendert, this, &Tbankform::kurseZeigen);
    connect(e, &Spielereignisse::kurseGeaendert, this, neuZeichnen);
    connect(e, &Spielereignisse::geldGeaendert, this, neuZeichnen);
    kurseZeigen();
    KABROLUX_NAMEN(Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10,
                   Label11, Label12, Label13, Label14, Label15, Label16, Label17, Label18, Label19,
                   Label20, Label21, Label22, Label23, Label24, Label25, Label26, Label27, Label28,
                   Label29, Label30, Label31, Label32, Label33, Label34, Label35, Label36, Label37,
                   Label38, Label39, Label40, Label41, Label42, Label43, Label44, Label45,
                   RadioGroup1, RadioGroup2, Button1, Button2, Button3, Button4, Memo1, GroupBox1,
                   GroupBox2, ComboBox1, Edit1);
}

void Tbankform::kreditteil() {
    RadioGroup1 = new Radiogruppe(tr("Kredit aufnehmen:"), stufen(), 2, this);
    RadioGroup1->setGeometry(16, 108, 232, 116);
    RadioGroup1->setItemIndex(0);
    Button1 = druckknopf(this, tr("Kredit aufnehmen"), 16, 230, 232);

    RadioGroup2 = new Radiogruppe(tr("Kredit tilgen:"), stufen(), 2, this);
    RadioGroup2->setGeometry(16, 272, 232, 116);
    RadioGroup2->setItemIndex(0);
    Button2 = druckknopf(this, tr("Kredit tilgen"), 16, 394, 232);

    Memo1 = hinweistext(this,
                        tr("1% der Kreditsumme \n"
                           "wird als Zinsen pro Tag \n"
                           "an die Bank bezahlt. \n"
                           "\n"
                           "Das bedeutet: \n"
                           "Sie leihen 10.000 € und \n"
                           "müssen pro Tag 100 € \n"
                           "(1%) Zinsen bezahlen.\n"
                           "\n"
                           "Die Zinsen werden \n"
                           "vierteltägig bezahlt."),
                        kGelb);
    Memo1->setGeometry(264, 116, 152, 184);
}

void Tbankform::aktienteil() {
    GroupBox1 = rahmen(this, tr("Aktienhandel:"), 432, 8, 328, 244);
    const auto zeilen = spalte(GroupBox1, 10, 40, kGelb, true);
    Label3 = zeilen[0], Label4 = zeilen[1], Label5 = zeilen[2];
    Label6 = zeilen[3], Label7 = zeilen[4], Label8 = zeilen[5];
    Label9 = beschriftung(GroupBox1, tr("Kurs"), 120, 20, kGelb);
    Label10 = beschriftung(GroupBox1, tr("vor 6 Std."), 184, 20, kGelb);
    Label25 = beschriftung(GroupBox1, tr("vor 12 Std."), 252, 20, kGelb);
    kurs_ = spalte(GroupBox1, 120, 40, kLimone, false);
    vor6_ = spalte(GroupBox1, 184, 40, kLimone, false);
    vor12_ = spalte(GroupBox1, 252, 40, kLimone, false);
    Label11 = kurs_[0], Label12 = kurs_[1], Label13 = kurs_[2];
    Label14 = kurs_[3], Label15 = kurs_[4], Label16 = kurs_[5];
    Label17 = vor6_[0], Label18 = vor6_[1], Label19 = vor6_[2];
    Label20 = vor6_[3], Label21 = vor6_[4], Label22 = vor6_[5];
    Label26 = vor12_[0], Label27 = vor12_[1], Label28 = vor12_[2];
    Label29 = vor12_[3], Label30 = vor12_[4], Label31 = vor12_[5];

    Label23 = beschriftung(GroupBox1, tr("Aktie:"), 10, 178, kGelb);
    ComboBox1 = new QComboBox(GroupBox1);
    for (int k = 1; k <= kAktien; ++k)
        ComboBox1->addItem(aktienlisteText(k));
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setGeometry(56, 174, 144, 22);
    Label24 = beschriftung(GroupBox1, tr("Menge:"), 10, 208, kGelb);
    Edit1 = new QLineEdit(GroupBox1);
    Edit1->setGeometry(56, 204, 144, 22);
    Label23->setBuddy(ComboBox1);
    ComboBox1->view()->setAccessibleName(Label23->text());  // its list, when it is open
    Label24->setBuddy(Edit1);
    Button3 = druckknopf(GroupBox1, tr("Kaufen"), 216, 173, 100);
    Button4 = druckknopf(GroupBox1, tr("Verkaufen"), 216, 203, 100);
}

void Tbankform::depotteil() {
    GroupBox2 = rahmen(this, tr("Aktiendepot:"), 432, 268, 328, 151);
    const auto zeilen = spalte(GroupBox2, 10, 28, kGelb, true);
    Label32 = zeilen[0], Label33 = zeilen[1], Label34 = zeilen[2];
    Label35 = zeilen[3], Label36 = zeilen[4], Label37 = zeilen[5];
    depot_ = spalte(GroupBox2, 120, 28, kLimone, false);
    Label38 = depot_[0], Label39 = depot_[1], Label40 = depot_[2];
    Label41 = depot_[3], Label42 = depot_[4], Label43 = depot_[5];
}

void Tbankform::kurseZeigen() {
    const Kurstafel& b = std::as_const(spiel).bank();
    for (int k = 0; k < kAktien; ++k) {
        setzeText(kurs_[k], kurswertText(b.kurs[k]));
        setzeText(vor6_[k], kurswertText(b.vor6[k]));
        setzeText(vor12_[k], kurswertText(b.vor12[k]));
        setzeText(depot_[k], depotText(b.depot[k]));
    }
}

void Tbankform::FormPaint() {
    const Bankzahlen z = bankZeichnen(spiel);
    setzeText(Label2, schuldenText(z.schulden));
    setzeText(Label44, geldText(z.vermoegen));
    setzeText(Label45, kreditlimitText(z.kreditlimit));
}

void Tbankform::showEvent(QShowEvent* e) {
    Nebenform::showEvent(e);
    kurseZeigen();
    FormPaint();
}

void Tbankform::Button1Click() {
    const int i = RadioGroup1->ItemIndex();
    if (i >= 0 && i < kKreditstufen) kreditAufnehmen(spiel, kreditstufen[i].betrag);
    FormPaint();
}

void Tbankform::Button2Click() {
    const int i = RadioGroup2->ItemIndex();
    if (i >= 0 && i < kKreditstufen) kreditTilgen(spiel, kreditstufen[i].betrag);
    FormPaint();
}

void Tbankform::Button3Click() {
    aktienKaufen(spiel, ComboBox1->currentIndex() + 1, s(Edit1->text()));
    FormPaint();
}

void Tbankform::Button4Click() {
    aktienVerkaufen(spiel, ComboBox1->currentIndex() + 1, s(Edit1->text()));
    FormPaint();
}

bool Tbankform::FormClose() {
    spiel.geldMelden();
    return true;
}

}  // namespace kabrolux::ui
