#include "ui/basis/signalwaechter.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>

namespace kabrolux::ui {

namespace {

// [0] is written in the handler, [1] read in the event loop.
int paar[2] = {-1, -1};

void handler(int signal) {
    const int gerettet = errno;
    const unsigned char nummer = static_cast<unsigned char>(signal);
    // Non-blocking: with a full pipe the signal is already pending anyway.
    [[maybe_unused]] const ssize_t n = ::write(paar[0], &nummer, 1);
    errno = gerettet;
}

}  // namespace

Signalwaechter::Signalwaechter() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, paar) != 0) return;
    leser_ = new QSocketNotifier(paar[1], QSocketNotifier::Read, this);
    connect(leser_, &QSocketNotifier::activated, this, &Signalwaechter::lesen);
    struct sigaction neu {};
    neu.sa_handler = handler;
    sigemptyset(&neu.sa_mask);
    // A write or read the signal interrupts goes on rather than failing with EINTR.
    neu.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignale.size(); ++i) {
        sigaction(kSignale[i], nullptr, &vorher_[i]);
        // A signal whoever started the game ignores (nohup's hangup) stays ignored.
        if (vorher_[i].sa_handler != SIG_IGN) sigaction(kSignale[i], &neu, nullptr);
    }
}

Signalwaechter::~Signalwaechter() {
    if (!leser_) return;
    for (std::size_t i = 0; i < kSignale.size(); ++i)
        sigaction(kSignale[i], &vorher_[i], nullptr);
    delete leser_;
    ::close(paar[0]);
    ::close(paar[1]);
    paar[0] = paar[1] = -1;
}

void Signalwaechter::lesen() {
    unsigned char nummer = 0;
    while (::read(paar[1], &nummer, 1) == 1)
        emit signalEmpfangen(nummer);
}

}  // namespace kabrolux::ui
