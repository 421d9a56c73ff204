#pragma once
// One program run: the game state, the random generator, the clock, the history, the computer's
// clocks and the screens' view of it. The rules live in the headers of their subjects and work
// on this.

#include <array>
#include <vector>

#include "sim/anzeige.h"
#include "sim/kurse.h"
#include "sim/laufwerte.h"
#include "sim/uhr.h"
#include "sim/verlauf.h"
#include "sim/zufall.h"
#include "state/spielstand.h"

namespace kabrolux {

class Spiel {
  public:
    // Sets spielzeit to the computer's local date and time; no game runs yet.
    Spiel(Zeitquelle& zeit, Anzeige& anzeige);
    Spiel(const Spiel&) = delete;
    Spiel& operator=(const Spiel&) = delete;

    Spielstand& stand() { return stand_; }
    const Spielstand& stand() const { return stand_; }
    Laufwerte& lauf() { return lauf_; }
    const Laufwerte& lauf() const { return lauf_; }
    Zufall& zufall() { return zufall_; }
    Uhr& uhr() { return uhr_; }
    const Uhr& uhr() const { return uhr_; }
    Kurstafel& bank() { return bank_; }
    const Kurstafel& bank() const { return bank_; }
    Verlauf& verlauf() { return verlauf_; }
    const Verlauf& verlauf() const { return verlauf_; }
    Anzeige& anzeige() { return anzeige_; }
    Zeitquelle& zeit() { return zeit_; }

    // Reseeds the generator from the UTC time of day.
    void neuSaeen() { zufall_.neuSaeen(zeit_); }
    // Tells the screens the money in the usual format.
    void geldMelden();

    // True while a tick runs (also while its messages are open).
    bool imTakt() const { return imTakt_; }

    // Order rows, taxi slots and driver slots sent while the tick in progress lets the player
    // act: the countdown leaves them alone until the next tick.
    struct Gesendet {
        std::vector<int> zeilen;
        std::array<bool, kSlots + 1> taxen{}, fahrer{};
        bool zeile(int r) const { return !zeilen.empty() && enthaelt(r); }
        bool enthaelt(int r) const;
    };
    const Gesendet& imTaktGesendet() const { return gesendet_; }
    // Called by a dispatch; remembered only while a tick runs.
    void gesendet(int zeile, int taxi, int fahrer);
    // Marks a tick for its lifetime; false if one already runs.
    class Taktmarke {
      public:
        explicit Taktmarke(Spiel& s) : spiel_(s), frei_(!s.imTakt_) {
            if (!frei_) return;
            spiel_.imTakt_ = true;
            spiel_.gesendet_ = Gesendet{};
        }
        ~Taktmarke() {
            if (!frei_) return;
            spiel_.imTakt_ = false;
            spiel_.gesendet_ = Gesendet{};
        }
        Taktmarke(const Taktmarke&) = delete;
        Taktmarke& operator=(const Taktmarke&) = delete;
        bool frei() const { return frei_; }

      private:
        Spiel& spiel_;
        bool frei_;
    };

  private:
    Zeitquelle& zeit_;
    Anzeige& anzeige_;
    Spielstand stand_;
    Laufwerte lauf_;
    Zufall zufall_;
    Uhr uhr_;
    Kurstafel bank_;
    Verlauf verlauf_;
    bool imTakt_ = false;
    Gesendet gesendet_;
};

}  // namespace kabrolux
