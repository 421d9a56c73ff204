#pragma once
// The main screen: money, clock, free taxis and drivers, trips under way, four bars, and the
// navigation buttons. It owns the game clock's timer.

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "sim/anzeige.h"
#include "ui/basis/dfwselbutton.h"

namespace kabrolux::ui {

class Programm;

class THauptform : public QWidget {
    Q_OBJECT
  public:
    // `spaeter`: the controls are made when the window is first shown, after the desktop has it.
    enum class Aufbau { sofort, spaeter };
    explicit THauptform(Programm& p, Aufbau aufbau = Aufbau::sofort);

    // Null until the controls are made (at once, or at the first show with `spaeter`).
    QLabel* Image1{};
    QLabel *Label1{}, *Label2{}, *Label3{}, *Label4{}, *Label5{}, *Label6{}, *Label7{}, *Label8{};
    // Scale texts: image "-100" (Label10), "0" (Label9), "100" (Label11); popularity "0"
    // (Label14), "150" (Label13), "300" (Label12). Label15 heads the trips under way.
    QLabel *Label9{}, *Label10{}, *Label11{}, *Label12{}, *Label13{}, *Label14{}, *Label15{};
    QListWidget *verfuegbaretaxenlistbox{}, *verfuegbarefahrerlistbox{},
        *auftraegeamerledigenlistbox{};
    QProgressBar *ProgressBar1{}, *ProgressBar2{}, *ProgressBar3{}, *ProgressBar4{};
    QGroupBox* GroupBox1{};
    TDFWSelButton *Spiel_startenbutton{}, *taxi_sendenbutton{}, *Werbungbutton{},
        *autohaendlerbutton{}, *preisebutton{}, *personalbutton{}, *statistikbutton{},
        *posteingangbutton{}, *einstellungenbutton{}, *bankbutton{}, *ladenbutton{},
        *speichernbutton{}, *spielendebutton{};
    QTimer Timer1;
    // The autosave's one quiet notice of a run, hidden until a state cannot be written.
    QLabel* sicherungshinweis{};

    // Rebuilds the three lists and the money label.
    void FormPaint();
    void Spiel_startenbuttonClick();
    // The timer's event: one tick, then what was postponed until the tick was over.
    void Timer1Takt();
    // Saving and loading with the file dialogs SaveDialog1 and OpenDialog1. Asked for while a
    // tick lets input run (after a settlement message), they wait until that tick is over: a
    // file must never hold a game counted down only half a minute.
    void SpeichernbuttonClick();
    void LadenbuttonClick();
    // Loads a file as "Laden" does after its dialog (also for a file named on the command line).
    bool spielstandLaden(const QString& pfad);
    // A file named on the command line: a new game loaded from it, or (when it cannot be
    // loaded) its message and the start screen as it was.
    void startMitDatei(const QString& pfad);
    void SpielendebuttonClick();
    void Taxi_sendenbuttonClick();
    void AutohaendlerbuttonClick();
    void PersonalbuttonClick();
    void FormKeyPress(char taste);
    // Keeps the timer in step with the clock's wish and suspension.
    void uhrAbgleichen();
    void balkenSetzen(Balken b, int wert);
    void setVisible(bool sichtbar) override;

    // The three texts under a bar, placed along it once measured.
    struct Skala {
        QLabel *links, *mitte, *rechts;
        int x;
    };

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void baueKopf();
    void baueListen();
    void baueBalken();
    void baueNavigation();
    void verbindeEreignisse();
    void aufbauen();
    void vorDemErstenBild();
    bool aufgebaut_ = false, bemessen_ = false;
    Skala imageSkala_{}, bekanntSkala_{};
    void nachDemTakt(std::function<void()> f);
    std::function<void()> nachDemTakt_;
    TDFWSelButton* knopf(const QString& text, int x, int y, int breite);
    Programm& p_;
};

}  // namespace kabrolux::ui
