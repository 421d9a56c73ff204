// Speed of the clock tick and of the inbox rebuild with a full order table.
#include <benchmark/benchmark.h>

#include "desk/posteingang.h"
#include "desk/taxisenden.h"
#include "sim/neuesspiel.h"
#include "sim/spiel.h"
#include "sim/takt.h"
#include "state/auftraege.h"
#include "stilleanzeige.h"
#include "vollesspiel.h"

using namespace kabrolux;
using kabrolux::test::FesteZeit;
using kabrolux::test::StilleAnzeige;

namespace {

struct Aufbau {
    FesteZeit zeit;
    StilleAnzeige anzeige;
    Spiel spiel{zeit, anzeige};

    explicit Aufbau(bool voll) {
        neuesSpiel(spiel, 50000, "3", "1,2");
        if (voll) kabrolux::test::tabelleFuellen(spiel.stand());
    }
};

void TaktLeereTabelle(benchmark::State& state) {
    Aufbau a(false);
    for (auto _ : state)
        Timer1Timer(a.spiel);
}
BENCHMARK(TaktLeereTabelle);

void TaktVolleTabelleZwoelfFahrten(benchmark::State& state) {
    Aufbau a(true);
    for (auto _ : state)
        Timer1Timer(a.spiel);
}
BENCHMARK(TaktVolleTabelleZwoelfFahrten);

void PosteingangAufbauVoll(benchmark::State& state) {
    Aufbau a(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(posteingangAufbauen(a.spiel));
}
BENCHMARK(PosteingangAufbauVoll)->Unit(benchmark::kMicrosecond);

void SendenAufbauVoll(benchmark::State& state) {
    Aufbau a(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(sendenAufbauen(a.spiel));
}
BENCHMARK(SendenAufbauVoll)->Unit(benchmark::kMicrosecond);

}  // namespace
