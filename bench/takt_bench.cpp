// Speed of the clock tick and of the inbox rebuild with a full order table.
#include <benchmark/benchmark.h>

#include "sim/spiel.h"
#include "state/auftraege.h"

using namespace kabrolux;

namespace {

class StilleAnzeige : public Anzeige {
  public:
    void meldung(const std::string&) override {}
    void geldAnzeigen(const std::string&) override {}
    void uhrAnzeigen(const std::string&) override {}
    void balkenAnzeigen(Balken, int32_t) override {}
    void auftragsHinweis(const std::string&) override {}
    void neueAuftragsZeile(const std::string&) override {}
    void hauptformAuffrischen() override {}
    void sendenAuffrischen() override {}
    void posteingangAuffrischen() override {}
    void preiseAnzeigen(const std::string&, const std::string&) override {}
    void bankAuffrischen() override {}
    void ereignisseVerarbeiten() override {}
};

class FesteZeit : public Zeitquelle {
  public:
    uint32_t utcMillisekundenDesTages() override { return 43'200'000; }  // no order, no decay
    DatumZeit lokaleZeit() override { return datumZeit(2026, 12, 7, 10, 0); }
};

struct Aufbau {
    FesteZeit zeit;
    StilleAnzeige anzeige;
    Spiel spiel{zeit, anzeige};

    explicit Aufbau(bool voll) {
        spiel.neuesSpiel(50000, "3", "1,2");
        if (!voll) return;
        for (int r = 1; r <= kAuftragsZeilen; ++r) {
            Auftrag& a = spiel.stand.auftraege[r];
            a.belegt = 1;
            a.nummer = r;
            a.abholzeit = Abholzeit::zeit(spiel.stand.spielzeit + 100);  // never expires
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
            spiel.stand.taxen[k] = Taxi{1, 20000, 0, 1, 1'000'000'000, 1 + k % 4, k};
            spiel.stand.fahrer[k] = Fahrer{1, 97, 1, 1'000'000'000, k, k, 2};
        }
    }
};

void TaktLeereTabelle(benchmark::State& state) {
    Aufbau a(false);
    for (auto _ : state)
        a.spiel.Timer1Timer();
}
BENCHMARK(TaktLeereTabelle);

void TaktVolleTabelleZwoelfFahrten(benchmark::State& state) {
    Aufbau a(true);
    for (auto _ : state)
        a.spiel.Timer1Timer();
}
BENCHMARK(TaktVolleTabelleZwoelfFahrten);

void PosteingangAufbauVoll(benchmark::State& state) {
    Aufbau a(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(a.spiel.posteingangAufbauen());
}
BENCHMARK(PosteingangAufbauVoll)->Unit(benchmark::kMicrosecond);

void SendenAufbauVoll(benchmark::State& state) {
    Aufbau a(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(a.spiel.sendenAufbauen());
}
BENCHMARK(SendenAufbauVoll)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
