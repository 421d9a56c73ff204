#include "ui/basis/radiogruppe.h"

#include <QGridLayout>

namespace kabrolux::ui {

Radiogruppe::Radiogruppe(const QString& titel, const QStringList& eintraege, int spalten,
                         QWidget* eltern)
    : QGroupBox(titel, eltern), gruppe_(this) {
    auto* raster = new QGridLayout(this);
    raster->setContentsMargins(8, 4, 8, 6);
    raster->setHorizontalSpacing(12);
    raster->setVerticalSpacing(2);
    const int n = static_cast<int>(eintraege.size());
    const int zeilen = (n + spalten - 1) / spalten;
    for (int i = 0; i < n; ++i) {
        auto* r = new QRadioButton(eintraege[i], this);
        gruppe_.addButton(r, i);
        knoepfe_.append(r);
        raster->addWidget(r, i % zeilen, i / zeilen);
    }
}

void Radiogruppe::setItemIndex(int i) {
    if (QAbstractButton* b = gruppe_.button(i)) b->setChecked(true);
}

}  // namespace kabrolux::ui
