// Speed of the clock tick and of the inbox rebuild with a full order table.
#include <benchmark/benchmark.h>

#include "desk/posteingang.h"
#include "desk/taxisenden.h"
#include "sim/neuesspiel.h"
#include "sim/spiel.h"
#include "sim/takt.h"
#include "state/auftraege.h"
#include "stilleanzeige.h"

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
        if (!voll) return;
        for (int r = 1; r <= kAuftragsZeilen; ++r) {
            Auftrag& a = spiel.stand().auftraege[r];
            a.belegt = 1;
            a.nummer = r;
            a.abholzeit = Abholzeit::zeit(spiel.stand().spielzeit + 100);  // never expires
            a.kunde = "Herrn Meier";
            a.abholort = "Bahnhof";
            a.angenommen = r % 2;
            a.sonderauftrag = r % 7 == 0 ? 1 : 0;
            if (r <= 12) {
                a.unterwegs = 1;
                a.restminuten = 1'000'000'000;  // the trips never end while we measure
            }
        }
        for (int k = 1; k <= kSlots; ++k) {
            spiel.stand().taxen[k] = Taxi{1, 20000, 0, 1, 1'000'000'000, 1 + k % 4, k};
            spiel.stand().fahrer[k] = Fahrer{1, 97, 1, 1'000'000'000, k, k, 2};
        }
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

BENCHMARK_MAIN();
