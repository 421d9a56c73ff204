#pragma once
// The prices screen: price per kilometre and base price per trip.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include "ui/basis/nebenform.h"

namespace kabrolux::ui {

class Tpreiseform : public Nebenform {
    Q_OBJECT
  public:
    Tpreiseform(Spiel& spiel, QtAnzeige& anzeige);

    QLabel *Label1, *Label2, *Label3, *Label4;
    QLineEdit *Edit1, *Edit2;
    QLabel* Memo1;
    QPushButton* Button1;

    // The texts a new game reads.
    QString grundpreisText() const { return Edit2->text(); }
    QString kilometerpreisText() const { return Edit1->text(); }

    // The focus left the field.
    void Edit1Exit();
    void Edit2Exit();
    void Button1Click();

  protected:
    // Takes both prices; a text that is not a number keeps the screen open.
    bool FormClose() override;
    bool eventFilter(QObject* o, QEvent* e) override;
};

}  // namespace kabrolux::ui
