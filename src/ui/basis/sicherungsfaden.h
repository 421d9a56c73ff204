#pragma once
// Writes the running game's state on a thread of its own: the clock's thread only copies the
// state, so a tick never waits for the disk.

#include <QObject>
#include <QString>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "state/spielstand.h"

namespace kabrolux::ui {

class Sicherungsfaden : public QObject {
    Q_OBJECT
  public:
    // Runs on the thread, one call at a time; returns "" or the error text.
    using Schreiber = std::function<std::string(const Spielstand&)>;
    explicit Sicherungsfaden(Schreiber schreiben);
    // Writes what still waits, then ends the thread.
    ~Sicherungsfaden() override;
    Sicherungsfaden(const Sicherungsfaden&) = delete;
    Sicherungsfaden& operator=(const Sicherungsfaden&) = delete;

    // Copies `s` for the thread. A copy that still waits is replaced by it, so at most one
    // write waits behind the one under way. The copy goes into memory the thread gave back,
    // so it takes no allocation once the game runs.
    void auftrag(const Spielstand& s);
    // Returns once everything handed over is written.
    void abwarten();
    // Copies handed over and writes finished so far.
    int auftraege() const;
    int geschrieben() const;

  signals:
    // After each write, delivered in the thread this object lives in.
    void fertig(const QString& fehler);

  private:
    void laufen();
    Schreiber schreiben_;
    mutable std::mutex m_;
    std::condition_variable cv_;
    std::unique_ptr<Spielstand> wartend_, frei_;
    bool schreibt_ = false, ende_ = false;
    int auftraege_ = 0, geschrieben_ = 0;
    std::thread faden_;
};

}  // namespace kabrolux::ui
