#pragma once
// The inbox: every order not yet served; a tick accepts it for good.

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>

#include "ui/nebenform.h"

namespace kabrolux::ui {

class TPosteingangform : public Nebenform {
    Q_OBJECT
  public:
    explicit TPosteingangform(Programm& p);

    QLabel *Label1, *Label2;
    QGroupBox* GroupBox1;
    QListWidget* CheckListBox1;

    // Rebuilds the list from the order table (on showing and on the clock's request).
    void FormPaint();
    void CheckListBox1ClickCheck(QListWidgetItem* item);
    // A new order's line, added while the inbox is shown.
    void zeileAnhaengen(const QString& zeile);

  protected:
    bool FormClose() override;
    void showEvent(QShowEvent* e) override;
};

}  // namespace kabrolux::ui
