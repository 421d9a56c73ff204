#pragma once
// The game clock as the player wants it (running or paused, speed) and its suspension while a
// tick or a screen handler works. The timer runs only when wanted and nothing suspends it.

#include <functional>

namespace kabrolux {

class Uhr {
  public:
    // Told whenever laeuft() or the interval may have changed; the screen layer starts or
    // stops its timer accordingly.
    std::function<void()> geaendert;

    bool laeuft() const { return gewollt_ && aussetzer_ == 0; }
    bool gewollt() const { return gewollt_; }
    int intervall() const { return intervall_; }

    void einschalten() { setze(true, intervall_); }
    void ausschalten() { setze(false, intervall_); }
    void setzeIntervall(int ms) { setze(gewollt_, ms); }

    // Holds the clock off for its lifetime; nests.
    class Aussetzer {
      public:
        explicit Aussetzer(Uhr& u) : uhr_(&u) { uhr_->aussetzen(+1); }
        ~Aussetzer() {
            if (uhr_) uhr_->aussetzen(-1);
        }
        Aussetzer(Aussetzer&& o) noexcept : uhr_(o.uhr_) { o.uhr_ = nullptr; }
        Aussetzer(const Aussetzer&) = delete;
        Aussetzer& operator=(const Aussetzer&) = delete;
        Aussetzer& operator=(Aussetzer&&) = delete;

      private:
        Uhr* uhr_;
    };
    [[nodiscard]] Aussetzer aussetzen() { return Aussetzer(*this); }
    bool ausgesetzt() const { return aussetzer_ > 0; }

  private:
    void setze(bool gewollt, int ms) {
        const bool vorher = laeuft();
        const int altesIntervall = intervall_;
        gewollt_ = gewollt;
        intervall_ = ms;
        if (vorher != laeuft() || altesIntervall != intervall_) melden();
    }
    void aussetzen(int d) {
        const bool vorher = laeuft();
        aussetzer_ += d;
        if (vorher != laeuft()) melden();
    }
    void melden() {
        if (geaendert) geaendert();
    }

    bool gewollt_ = false;
    int intervall_ = 1000;
    int aussetzer_ = 0;
};

}  // namespace kabrolux
