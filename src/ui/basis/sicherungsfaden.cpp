#include "ui/basis/sicherungsfaden.h"

#include <utility>

namespace kabrolux::ui {

Sicherungsfaden::Sicherungsfaden(Schreiber schreiben)
    : schreiben_(std::move(schreiben)), faden_([this] { laufen(); }) {}

Sicherungsfaden::~Sicherungsfaden() {
    {
        const std::lock_guard<std::mutex> l(m_);
        ende_ = true;
    }
    cv_.notify_all();
    faden_.join();
}

void Sicherungsfaden::auftrag(const Spielstand& s) {
    std::unique_ptr<Spielstand> puffer;
    {
        const std::lock_guard<std::mutex> l(m_);
        puffer = std::move(wartend_ ? wartend_ : frei_);
    }
    // Copied outside the lock: the thread may write meanwhile.
    if (puffer)
        *puffer = s;
    else
        puffer = std::make_unique<Spielstand>(s);
    {
        const std::lock_guard<std::mutex> l(m_);
        wartend_ = std::move(puffer);
        ++auftraege_;
    }
    cv_.notify_all();
}

void Sicherungsfaden::abwarten() {
    std::unique_lock<std::mutex> l(m_);
    cv_.wait(l, [this] { return !wartend_ && !schreibt_; });
}

int Sicherungsfaden::auftraege() const {
    const std::lock_guard<std::mutex> l(m_);
    return auftraege_;
}

int Sicherungsfaden::geschrieben() const {
    const std::lock_guard<std::mutex> l(m_);
    return geschrieben_;
}

void Sicherungsfaden::laufen() {
    std::unique_lock<std::mutex> l(m_);
    for (;;) {
        cv_.wait(l, [this] { return wartend_ || ende_; });
        if (!wartend_) return;
        std::unique_ptr<Spielstand> stand = std::move(wartend_);
        schreibt_ = true;
        l.unlock();
        const std::string fehler = schreiben_(*stand);
        l.lock();
        schreibt_ = false;
        ++geschrieben_;
        if (!frei_) frei_ = std::move(stand);
        l.unlock();
        cv_.notify_all();
        // Queued to the receivers, which live in the screens' thread.
        emit fertig(QString::fromStdString(fehler));
        l.lock();
    }
}

}  // namespace kabrolux::ui
