#include "desk/form/posteingangform.h"

#include <QSignalBlocker>

#include "desk/posteingang.h"
#include "ui/basis/farben.h"
#include "ui/basis/qtanzeige.h"

namespace kabrolux::ui {

namespace {

QListWidgetItem* neueZeile(QListWidget* liste, const QString& text, bool haken) {
    auto* item = new QListWidgetItem(text, liste);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(haken ? Qt::Checked : Qt::Unchecked);
    return item;
}

}  // namespace

TPosteingangform::TPosteingangform(Spiel& s, QtAnzeige& a)
    : Nebenform(s, a, "Posteingangform", QStringLiteral("Posteingang")) {
    schwarzesFenster(this, kRot);
    setFixedSize(720, 400);

    Label2 = new QLabel(this);
    Label2->setGeometry(8, 8, 704, 16);
    Label2->setAlignment(Qt::AlignHCenter);
    textfarbe(Label2, kLimone);

    GroupBox1 = new QGroupBox(QStringLiteral("Eingegangene Auftrage:"), this);
    GroupBox1->setGeometry(8, 30, 704, 318);
    textfarbe(GroupBox1, kGelb);
    CheckListBox1 = new QListWidget(GroupBox1);
    graueListe(CheckListBox1, true);
    CheckListBox1->setGeometry(8, 20, 688, 290);
    CheckListBox1->setAccessibleName(GroupBox1->title());

    Label1 = new QLabel(QStringLiteral("Einmal angenommene Auftrage können nicht wieder "
                                       "zurückgenommen werden! Zum Annehmen einfach Häckchen "
                                       "setzen."),
                        this);
    Label1->setGeometry(8, 354, 704, 36);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    textfarbe(Label1, kLimone);

    KABROLUX_NAMEN(Label1, Label2, GroupBox1, CheckListBox1);
    connect(CheckListBox1, &QListWidget::itemChanged, this,
            &TPosteingangform::CheckListBox1ClickCheck);

    Spielereignisse* e = &anzeige.ereignisse();
    Label2->setText(anzeige.letzteUhr());
    connect(e, &Spielereignisse::uhrGeaendert, Label2, &QLabel::setText);
    connect(e, &Spielereignisse::auftragEingegangen, this,
            [this](const QString&, const QString& zeile) {
                if (isVisible()) zeileAnhaengen(zeile);
            });
    connect(e, &Spielereignisse::auftraegeGeaendert, this, [this] {
        if (isVisible()) FormPaint();
    });
}

void TPosteingangform::FormPaint() {
    const QSignalBlocker sperre(CheckListBox1);
    CheckListBox1->clear();
    for (const PosteingangZeile& z : posteingangAufbauen(spiel))
        neueZeile(CheckListBox1, q(z.text), z.haken);
    // No line is current until the player chooses one: a Space pressed by habit on opening
    // must not accept an order, as acceptance is final.
    CheckListBox1->setCurrentIndex(QModelIndex());
}

void TPosteingangform::zeileAnhaengen(const QString& zeile) {
    const QSignalBlocker sperre(CheckListBox1);
    neueZeile(CheckListBox1, zeile, false);
}

void TPosteingangform::CheckListBox1ClickCheck(QListWidgetItem* item) {
    const int k = CheckListBox1->row(item);
    std::vector<PosteingangZeile> zeilen;
    for (int i = 0; i < CheckListBox1->count(); ++i) {
        const QListWidgetItem* it = CheckListBox1->item(i);
        zeilen.push_back({s(it->text()), it->checkState() == Qt::Checked});
    }
    posteingangHaken(spiel, zeilen, k);
    vomSpielerGeaendert();
    const QSignalBlocker sperre(CheckListBox1);
    for (int i = 0; i < CheckListBox1->count() && i < static_cast<int>(zeilen.size()); ++i)
        CheckListBox1->item(i)->setCheckState(zeilen[i].haken ? Qt::Checked : Qt::Unchecked);
}

void TPosteingangform::showEvent(QShowEvent* e) {
    Nebenform::showEvent(e);
    FormPaint();
}

}  // namespace kabrolux::ui
