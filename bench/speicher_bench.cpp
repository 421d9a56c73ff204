// Speed of saving and loading a game whose order table is full.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "state/kataloge.h"
#include "state/speicherdatei.h"

using namespace kabrolux;

namespace {

// 999 live orders with the longest names, twelve taxis and drivers, shares in the depot.
Spielstand volleSpiel() {
    Spielstand s;
    s.spiellaeuft = 1;
    s.vermoegen = 123456.5;
    s.grundpreis = 3;
    s.kilometerpreis = 1.2;
    s.spielzeit = 46363.5;
    s.auftragsnummer = 1000;
    s.erledigteauftraege = 500;
    s.angenommeneauftraege = 499;
    s.taxinummer = kSlots + 1;
    s.fahrernummer = kSlots + 1;
    for (int r = 1; r <= kAuftragsZeilen; ++r) {
        Auftrag& a = s.auftraege[r];
        a.belegt = 1;
        a.nummer = r;
        a.abholzeit = Abholzeit::zeit(s.spielzeit + r * kMinute);
        a.kunde = kundennamen[static_cast<std::size_t>(r) % kundennamen.size()];
        a.abholort = abholorte[static_cast<std::size_t>(r) % abholorte.size()];
        a.kilometer = r % 120 + 1;
        a.einnahmen = 3 + a.kilometer;
        a.angenommen = r % 2;
        a.sonderauftrag = r % 7 == 0 ? 1 : 0;
    }
    for (int k = 1; k <= kSlots; ++k) {
        s.taxen[k] = Taxi{1, 20000, 0, 0, 0, 1 + k % 4, k};
        s.fahrer[k] = Fahrer{1, 97, 0, 0, k, k, 2};
        s.eingestellt[k] = 1;
    }
    for (Aktie& a : s.aktien)
        a = Aktie{0, 10, 100};
    return s;
}

class Ordner {
  public:
    Ordner() {
        std::string vorlage = (std::filesystem::temp_directory_path() / "kabrolux-bench-XXXXXX");
        if (!mkdtemp(vorlage.data())) std::abort();
        pfad_ = vorlage;
    }
    ~Ordner() { std::filesystem::remove_all(pfad_); }
    std::string datei() const { return (pfad_ / "spielstand.kbs").string(); }

  private:
    std::filesystem::path pfad_;
};

void SpeicherbildVoll(benchmark::State& state) {
    const Spielstand s = volleSpiel();
    for (auto _ : state)
        benchmark::DoNotOptimize(speicherbild(s));
}
BENCHMARK(SpeicherbildVoll)->Unit(benchmark::kMicrosecond);

void LadeBildVoll(benchmark::State& state) {
    const auto bild = speicherbild(volleSpiel());
    Spielstand ziel;
    for (auto _ : state)
        if (const std::string f = ladeBild(bild, ziel); !f.empty()) state.SkipWithError(f.c_str());
}
BENCHMARK(LadeBildVoll)->Unit(benchmark::kMicrosecond);

// Includes creating, fsync-ing and renaming the file.
void SpeichernVoll(benchmark::State& state) {
    const Spielstand s = volleSpiel();
    Ordner o;
    for (auto _ : state)
        if (!speichereDatei(o.datei(), s).empty()) state.SkipWithError("save failed");
}
BENCHMARK(SpeichernVoll)->Unit(benchmark::kMicrosecond);

void LadenVoll(benchmark::State& state) {
    Ordner o;
    if (!speichereDatei(o.datei(), volleSpiel()).empty()) std::abort();
    Spielstand ziel;
    for (auto _ : state)
        if (const std::string f = ladeDatei(o.datei(), ziel); !f.empty())
            state.SkipWithError(f.c_str());
}
BENCHMARK(LadenVoll)->Unit(benchmark::kMicrosecond);

}  // namespace
