#pragma once
// The inbox: every order not yet served; a tick accepts it for good.

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>

#include "ui/basis/nebenform.h"

namespace kabrolux::ui {

class TPosteingangform : public Nebenform {
    Q_OBJECT
  public:
    TPosteingangform(Spiel& spiel, QtAnzeige& anzeige);

    QLabel *Label1, *Label2;
    QGroupBox* GroupBox1;
    QListWidget* CheckListBox1;

    // Rebuilds the list from the order table (on showing and whenever orders change).
    void FormPaint();
    void CheckListBox1ClickCheck(QListWidgetItem* item);

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    // A new order's line and number, added while the inbox is shown.
    void zeileAnhaengen(const QString& text, int nummer);
};

}  // namespace kabrolux::ui
