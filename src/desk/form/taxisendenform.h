#pragma once
// Dispatch: pick an accepted order, a free taxi and a free driver, and send them.

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "desk/taxisenden.h"
#include "ui/basis/nebenform.h"

namespace kabrolux::ui {

class TTaxi_sendenform : public Nebenform {
    Q_OBJECT
  public:
    TTaxi_sendenform(Spiel& spiel, QtAnzeige& anzeige);

    QLabel *Label1, *Label2, *Label3, *Label4;
    QListWidget *ListBox1, *ListBox2, *ListBox3;
    QPushButton *Button1, *Button2;
    QLabel* Memo1;

    // The refresh request: all three lists rebuilt, all three selections cleared. A plain
    // repaint of the window keeps both.
    void auffrischen();
    // Orders, taxis or drivers changed: the lists rebuilt, each chosen line kept.
    void nachfuehren();
    void Button1Click();

  private:
    void listenZeigen(SendenListen neu);
    SendenListen listen_;
};

}  // namespace kabrolux::ui
