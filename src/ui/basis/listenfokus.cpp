#include "ui/basis/listenfokus.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QSignalBlocker>

namespace kabrolux::ui {

namespace {

// Moving the current line between "none" and the selected line chooses nothing new: the list's
// own signals, by which the screens learn of a choice, stay silent.
void setzeAktuell(QListWidget* l, const QModelIndex& i) {
    const QSignalBlocker still(l);
    l->selectionModel()->setCurrentIndex(i, QItemSelectionModel::NoUpdate);
}

class Fokuswaechter : public QObject {
  public:
    explicit Fokuswaechter(QListWidget* l) : QObject(l), liste_(l) { l->installEventFilter(this); }

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::FocusIn) {
            const QModelIndexList gewaehlt = liste_->selectionModel()->selectedIndexes();
            if (!liste_->currentIndex().isValid() && !gewaehlt.isEmpty())
                setzeAktuell(liste_, gewaehlt.first());
        } else if (e->type() == QEvent::FocusOut) {
            setzeAktuell(liste_, QModelIndex());
        }
        return false;
    }

  private:
    QListWidget* liste_;
};

}  // namespace

void aktuelleZeileNurMitFokus(QListWidget* liste) {
    new Fokuswaechter(liste);
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
