#pragma once
// The history of a run: one sample of the company's figures every game hour, kept in a ring
// beside the saved game. A new game or a load starts it afresh; a save file never holds it.

#include <array>
#include <cstdint>
#include <vector>

#include "state/datum.h"
#include "state/spielstand.h"

namespace kabrolux {

class Spiel;

struct Verlaufspunkt {
    DatumZeit zeit = 0;
    double vermoegen = 0;
    int32_t schulden = 0;
    int32_t image = 0, bekanntheit = 0, untergrundansehen = 0, attraktivitaet = 0;
    std::array<int32_t, kAktien> kurse{};
    // The statistics screen's counts.
    int64_t erhalten = 0, angenommen = 0, erledigt = 0, verpasst = 0;
    bool operator==(const Verlaufspunkt&) const = default;
};

class Verlauf {
  public:
    // 90 game days of hourly samples; older ones are overwritten.
    static constexpr int kTage = 90;
    static constexpr int kPlaetze = kTage * 24;

    Verlauf();

    // Forgets every sample; `geladen` tells whether a load (else a new game) began it at `zeit`.
    void neuBeginnen(bool geladen, DatumZeit zeit);
    void aufnehmen(const Verlaufspunkt& p);

    int anzahl() const { return static_cast<int>(punkte_.size()); }
    // Sample i, counted from the oldest one kept.
    const Verlaufspunkt& operator[](int i) const;
    bool leer() const { return punkte_.empty(); }
    // Samples were lost to the ring's size.
    bool gekuerzt() const { return gekuerzt_; }
    bool geladen() const { return geladen_; }
    DatumZeit beginn() const { return beginn_; }

  private:
    std::vector<Verlaufspunkt> punkte_;
    int aeltester_ = 0;
    bool gekuerzt_ = false, geladen_ = false;
    DatumZeit beginn_ = 0;
};

// The figures of the game as they stand.
Verlaufspunkt verlaufspunkt(const Spielstand& s);
// Takes a sample; the tick calls it when it reaches a full hour, after that minute's duties.
void verlaufAufzeichnen(Spiel& spiel);
// An empty history from the game time on: a new game, or a load (`geladen`).
void verlaufNeuBeginnen(Spiel& spiel, bool geladen);

// The attractiveness gauge (-100 bad .. -10 good) as points 0..100, clamped as the gauge is.
int attraktivitaetspunkte(int32_t attraktivitaet);

}  // namespace kabrolux
