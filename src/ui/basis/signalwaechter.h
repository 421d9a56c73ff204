#pragma once
// SIGTERM, SIGHUP and SIGINT (a kill, a logout, Ctrl+C in a terminal) become a Qt signal. The
// handler itself only writes the signal's number into a socket pair; a QSocketNotifier reads it
// in the event loop, where anything may be done (Qt's way for Unix signals).

#include <QObject>
#include <array>
#include <csignal>

class QSocketNotifier;

namespace kabrolux::ui {

class Signalwaechter : public QObject {
    Q_OBJECT
  public:
    // One at a time: the handlers are the process's.
    Signalwaechter();
    // Puts back the handlers that were there before.
    ~Signalwaechter() override;
    Signalwaechter(const Signalwaechter&) = delete;
    Signalwaechter& operator=(const Signalwaechter&) = delete;

    static constexpr std::array<int, 3> kSignale{SIGTERM, SIGHUP, SIGINT};
    // False when the socket pair could not be made; the signals then end the program as before.
    bool aktiv() const { return leser_ != nullptr; }

  signals:
    void signalEmpfangen(int signal);

  private:
    void lesen();
    QSocketNotifier* leser_ = nullptr;
    std::array<struct sigaction, kSignale.size()> vorher_{};
};

}  // namespace kabrolux::ui
