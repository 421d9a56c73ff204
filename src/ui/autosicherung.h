#pragma once
// The running game is never lost: its state is written into the state folder after every
// change the player makes and every minute the clock runs, and an end the player did not choose
// (a crash, a kill, a logout) is offered back at the next start.

#include <QCoreApplication>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "state/datum.h"
#include "state/speicherdatei.h"

namespace kabrolux {
class Sicherungsdateien;
}

namespace kabrolux::ui {

class Programm;
class Sicherungsfaden;

class Autosicherung : public QObject {
    Q_OBJECT
  public:
    // Nothing touches the disk before einrichten(). `fs` serves the thread's writes.
    Autosicherung(Programm& p, QString ordner, Dateisystem& fs);
    ~Autosicherung() override;

    // Makes the folder and takes the first copy number whose lock is free; a lock a crashed
    // copy left is taken over. Without a usable folder the game plays on, and says why once,
    // when it would first write.
    bool einrichten();
    // The question over the main screen, before anything else: the state the copy's last run
    // left, if that run did not end as the player chose. True when the player chose
    // "Fortsetzen" and the state is loaded, as "Laden" loads a file.
    bool anbieten();
    // From now on: a write after each change the player makes, and each minute the clock runs.
    void starten();
    // A copy of the running game for the writing thread; during a tick, soon after it.
    void sichern();
    // A signal or the desktop session's end: the program ends without the player's choice.
    void endeOhneWahl(bool sofortSchreiben);
    // The event loop is over: the last state is written and waited for. An end the player chose
    // ("Spielende", the close box) is marked, so the next start asks nothing.
    void beenden();

    // True once an end without the player's choice was asked for.
    bool endet() const { return ohneWahl_; }
    int kopie() const { return kopie_; }
    const QString& ordner() const { return ordner_; }
    // Copies handed to the thread, and writes done (for tests and the benchmark).
    int auftraege() const;
    void abwarten();
    // Milliseconds between the writes while only the clock changes the game.
    void setzeTakt(int ms) { minute_.setInterval(ms); }
    // How an end without the player's choice leaves the event loop: at once, for quit() would
    // first close the windows, and one may refuse (a price that is no number) or count as an
    // answer (the question, closed as by Escape).
    std::function<void()> beendenLassen = [] { QCoreApplication::exit(0); };

  private:
    void aenderung(bool vomSpieler);
    void geschrieben(const QString& fehler);
    void hinweisen(const QString& grund);

    Programm& p_;
    QString ordner_;
    Dateisystem& fs_;
    int kopie_ = 0;
    QString grund_;  // why nothing can be written, when the folder is not usable
    std::unique_ptr<QLockFile> schloss_;
    std::unique_ptr<Sicherungsdateien> dateien_;
    std::unique_ptr<Sicherungsfaden> faden_;
    QTimer minute_, bald_;
    DatumZeit letzteZeit_ = -1;
    bool gestartet_ = false, ohneWahl_ = false, hingewiesen_ = false;
};

}  // namespace kabrolux::ui
