#include "desk/form/posteingangform.h"

#include <QSignalBlocker>

#include "desk/posteingang.h"
#include "sim/lesen.h"
#include "ui/basis/farben.h"
#include "ui/basis/qtanzeige.h"
#include "ui/basis/spielliste.h"
#include "ui/basis/spieltexte.h"

namespace kabrolux::ui {

namespace {

// A line with its tick box; the order's number goes with it, so the line is mapped back to its
// order whatever language the text is in.
QListWidgetItem* zeile(const QString& text, int nummer, bool haken) {
    auto* item = new QListWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(haken ? Qt::Checked : Qt::Unchecked);
    item->setData(Qt::UserRole, nummer);
    return item;
}

}  // namespace

TPosteingangform::TPosteingangform(Spiel& s, QtAnzeige& a)
    : Nebenform(s, a, "Posteingangform", tr("Posteingang")) {
    schwarzesFenster(this, kRot);
    setFixedSize(720, 400);

    Label2 = new QLabel(this);
    Label2->setGeometry(8, 8, 704, 16);
    Label2->setAlignment(Qt::AlignHCenter);
    textfarbe(Label2, kLimone);

    GroupBox1 = new QGroupBox(tr("Eingegangene Auftrage:"), this);
    GroupBox1->setGeometry(8, 30, 704, 318);
    textfarbe(GroupBox1, kGelb);
    CheckListBox1 = new Spielliste(GroupBox1, true);
    CheckListBox1->setGeometry(8, 20, 688, 290);
    CheckListBox1->setAccessibleName(GroupBox1->title());

    Label1 = new QLabel(tr("Einmal angenommene Auftrage können nicht wieder zurückgenommen "
                           "werden! Zum Annehmen einfach Häckchen setzen."),
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
            [this](const QString&, const QString& text, int nummer) {
                if (isVisible()) zeileAnhaengen(text, nummer);
            });
    connect(e, &Spielereignisse::auftraegeGeaendert, this, [this] {
        if (isVisible()) FormPaint();
    });
}

void TPosteingangform::FormPaint() {
    const QSignalBlocker sperre(CheckListBox1);
    CheckListBox1->clear();
    const std::vector<PosteingangZeile> zeilen = posteingangAufbauen(spiel);
    const Auftragstabelle& auftraege = lesen(spiel).auftraege;
    std::string text;
    for (const PosteingangZeile& z : zeilen) {
        auftragszeile(auftraege[z.zeile], text);
        CheckListBox1->addItem(zeile(QString::fromStdString(text), z.nummer, z.haken));
    }
    // No line is current until the player chooses one: a Space pressed by habit on opening
    // must not accept an order, as acceptance is final.
    CheckListBox1->setCurrentIndex(QModelIndex());
}

void TPosteingangform::zeileAnhaengen(const QString& text, int nummer) {
    const QSignalBlocker sperre(CheckListBox1);
    CheckListBox1->addItem(zeile(text, nummer, false));
}

void TPosteingangform::CheckListBox1ClickCheck(QListWidgetItem* item) {
    const int k = CheckListBox1->row(item);
    std::vector<PosteingangZeile> zeilen;
    for (int i = 0; i < CheckListBox1->count(); ++i) {
        const QListWidgetItem* it = CheckListBox1->item(i);
        zeilen.push_back({it->data(Qt::UserRole).toInt(), 0, it->checkState() == Qt::Checked});
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
