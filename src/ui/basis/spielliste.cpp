#include "ui/basis/spielliste.h"

#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QSignalBlocker>

#include "ui/basis/farben.h"
#include "ui/basis/kontraststil.h"

namespace kabrolux::ui {

namespace {

// Moving the current line between "none" and the selected line chooses nothing new: the list's
// own signals, by which the screens learn of a choice, stay silent.
void setzeAktuell(QListWidget* l, const QModelIndex& i) {
    const QSignalBlocker still(l);
    l->selectionModel()->setCurrentIndex(i, QItemSelectionModel::NoUpdate);
}

}  // namespace

Spielliste::Spielliste(QWidget* eltern, bool gleicheZeilen) : QListWidget(eltern) {
    QPalette p = palette();
    p.setColor(QPalette::Base, kGrau);
    p.setColor(QPalette::Text, kSilber);
    p.setColor(QPalette::Highlight, QColor(0x00, 0x00, 0x80));
    p.setColor(QPalette::HighlightedText, Qt::white);
    setPalette(p);
    setFont(QFont(QStringLiteral("Arial"), 8));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(gleicheZeilen);
    // Tick boxes and the keyboard focus drawn with clear contrast on the grey ground; one style
    // object serves every list and lives as long as the application.
    static KontrastStil* stil = [] {
        auto* s = new KontrastStil;
        s->setParent(QCoreApplication::instance());
        return s;
    }();
    setStyle(stil);
}

void Spielliste::focusInEvent(QFocusEvent* e) {
    // Before the view's own handling, which would make the first line current.
    const QModelIndexList gewaehlt = selectionModel()->selectedIndexes();
    if (!currentIndex().isValid() && !gewaehlt.isEmpty()) setzeAktuell(this, gewaehlt.first());
    QListWidget::focusInEvent(e);
}

void Spielliste::focusOutEvent(QFocusEvent* e) {
    setzeAktuell(this, QModelIndex());
    QListWidget::focusOutEvent(e);
}

void zeigeGewaehlt(QListWidget* liste, int zeile) {
    const QSignalBlocker still(liste);
    if (zeile < 0 || zeile >= liste->count()) {
        liste->setCurrentIndex(QModelIndex());
    } else if (liste->hasFocus()) {
        liste->setCurrentRow(zeile);
    } else {
        liste->setCurrentIndex(QModelIndex());
        liste->item(zeile)->setSelected(true);
    }
}

}  // namespace kabrolux::ui
