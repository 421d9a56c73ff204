#pragma once
// The bank: loans up to the credit limit, repayment, and trading the six shares.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "state/spielstand.h"
#include "ui/basis/nebenform.h"
#include "ui/basis/radiogruppe.h"

namespace kabrolux::ui {

class Tbankform : public Nebenform {
    Q_OBJECT
  public:
    Tbankform(Spiel& spiel, QtAnzeige& anzeige);

    QLabel *Label1, *Label44, *Label2, *Label45;
    Radiogruppe *RadioGroup1, *RadioGroup2;
    QPushButton *Button1, *Button2, *Button3, *Button4;
    QLabel* Memo1;
    QGroupBox *GroupBox1, *GroupBox2;
    // Price table: row captions, column captions, prices now, 6 and 12 hours ago.
    QLabel *Label3, *Label4, *Label5, *Label6, *Label7, *Label8;
    QLabel *Label9, *Label10, *Label25;
    QLabel *Label11, *Label12, *Label13, *Label14, *Label15, *Label16;
    QLabel *Label17, *Label18, *Label19, *Label20, *Label21, *Label22;
    QLabel *Label26, *Label27, *Label28, *Label29, *Label30, *Label31;
    QLabel *Label23, *Label24;
    QComboBox* ComboBox1;
    QLineEdit* Edit1;
    // Holdings: row captions and counts.
    QLabel *Label32, *Label33, *Label34, *Label35, *Label36, *Label37;
    QLabel *Label38, *Label39, *Label40, *Label41, *Label42, *Label43;

    // Money, debt and the credit limit, which it recomputes: on every showing and whenever
    // the money or the prices change while the screen is shown.
    void FormPaint();
    void Button1Click();  // take a loan
    void Button2Click();  // repay
    void Button3Click();  // buy
    void Button4Click();  // sell

  protected:
    bool FormClose() override;
    void showEvent(QShowEvent* e) override;

  private:
    using Spalte = std::array<QLabel*, kAktien>;
    // The price table's and the holdings' texts as the core keeps them.
    void kurseZeigen();
    void kreditteil();
    void aktienteil();
    void depotteil();
    Spalte kurs_{}, vor6_{}, vor12_{}, depot_{};
};

}  // namespace kabrolux::ui
