// Speed of saving and loading a game whose order table is full.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "state/kataloge.h"
#include "state/sicherungsdateien.h"
#include "state/speicherdatei.h"
#include "vollesspiel.h"

using namespace kabrolux;

namespace {

// The benchmarks' full table (999 live orders, twelve taxis and drivers on trips) as a game
// the loader accepts: drivers employed, names from the catalogues, shares in the depot.
Spielstand volleSpiel() {
    Spielstand s;
    s.spiellaeuft = 1;
    s.vermoegen = 123456.5;
    s.grundpreis = 3;
    s.kilometerpreis = 1.2;
    s.spielzeit = 46363.5;
    s.erledigteauftraege = 500;
    s.angenommeneauftraege = 499;
    s.taxinummer = kSlots + 1;
    s.fahrernummer = kSlots + 1;
    test::tabelleFuellen(s);
    for (int r = 1; r <= kAuftragsZeilen; ++r) {
        Auftrag& a = s.auftraege[r];
        a.kunde = kundennamen[static_cast<std::size_t>(r) % kundennamen.size()];
        a.abholort = abholorte[static_cast<std::size_t>(r) % abholorte.size()];
        a.kilometer = r % 120 + 1;
        a.einnahmen = 3 + a.kilometer;
    }
    for (int k = 1; k <= kSlots; ++k)
        s.eingestellt[k] = 1;
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
        if (!ladeBild(bild, ziel).leer()) state.SkipWithError("refused");
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
        if (!ladeDatei(o.datei(), ziel).leer()) state.SkipWithError("refused");
}
BENCHMARK(LadenVoll)->Unit(benchmark::kMicrosecond);

// What the autosave costs the screens' thread: one copy of the state into memory the writing
// thread gave back.
void StandKopierenVoll(benchmark::State& state) {
    const Spielstand s = volleSpiel();
    auto kopie = std::make_unique<Spielstand>();
    for (auto _ : state) {
        *kopie = s;
        benchmark::DoNotOptimize(kopie->vermoegen);
    }
}
BENCHMARK(StandKopierenVoll)->Unit(benchmark::kMicrosecond);

// The autosave's write: the older states moved back, then the safe save.
void SicherungSchreibenVoll(benchmark::State& state) {
    const Spielstand s = volleSpiel();
    Ordner o;
    Dateisystem fs;
    Sicherungsdateien d(std::filesystem::path(o.datei()).parent_path().string(), 1, fs);
    for (auto _ : state)
        if (!d.schreiben(s).empty()) state.SkipWithError("write failed");
}
BENCHMARK(SicherungSchreibenVoll)->Unit(benchmark::kMicrosecond);

}  // namespace
