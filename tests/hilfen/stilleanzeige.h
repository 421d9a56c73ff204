#pragma once
// A view that ignores every event, and a fixed clock: for benchmarks and tests that only look at
// the game state.

#include "sim/anzeige.h"
#include "sim/zufall.h"
#include "state/datum.h"

namespace kabrolux::test {

class StilleAnzeige : public Anzeige {
  public:
    void meldung(const Meldung&) override {}
    void ereignisseVerarbeiten() override {}
    void geldGeaendert(double, Geldform) override {}
    void uhrGeaendert(DatumZeit) override {}
    void balkenGeaendert(Balken, int32_t) override {}
    void auftragEingegangen(const Auftrag&) override {}
    void auftraegeGeaendert() override {}
    void auswahlZurueckgesetzt() override {}
    void preiseGesetzt(double, double) override {}
    void kurseGeaendert() override {}
    void verlaufGeaendert() override {}
};

class FesteZeit : public Zeitquelle {
  public:
    uint32_t ms = 43'200'000;  // its first draws bring neither an order nor popularity decay
    DatumZeit lokal = datumZeit(2026, 12, 7, 10, 0, 0);
    uint32_t utcMillisekundenDesTages() override { return ms; }
    DatumZeit lokaleZeit() override { return lokal; }
};

}  // namespace kabrolux::test
