#pragma once
// A framed group of mutually exclusive radio buttons, laid out in columns that fill top to
// bottom, with the selected position as an index.

#include <QButtonGroup>
#include <QGroupBox>
#include <QList>
#include <QRadioButton>
#include <QStringList>

namespace kabrolux::ui {

class Radiogruppe : public QGroupBox {
    Q_OBJECT
  public:
    Radiogruppe(const QString& titel, const QStringList& eintraege, int spalten, QWidget* eltern);

    // Position of the selected button from 0; -1 while none is selected.
    int ItemIndex() const { return gruppe_.checkedId(); }
    void setItemIndex(int i);
    QRadioButton* knopf(int i) const { return knoepfe_.value(i); }
    int anzahl() const { return static_cast<int>(knoepfe_.size()); }

  private:
    QButtonGroup gruppe_;
    QList<QRadioButton*> knoepfe_;
};

}  // namespace kabrolux::ui
