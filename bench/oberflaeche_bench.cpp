// Speed as the player waits for it: the real screens, every repaint and list rebuild included.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QStringList>
#include <QTemporaryDir>

#include "desk/form/posteingangform.h"
#include "desk/form/taxisendenform.h"
#include "economy/form/bankform.h"
#include "sim/laden.h"
#include "sim/spiel.h"
#include "sim/takt.h"
#include "state/speicherdatei.h"
#include "stilleanzeige.h"
#include "ui/autosicherung.h"
#include "ui/hauptform.h"
#include "ui/programm.h"
#include "ui/umgebung.h"
#include "vollesspiel.h"

using namespace kabrolux;
using namespace kabrolux::ui;

namespace {

// The program with its ten screens, a game running at the fastest speed, the order table full.
struct Bildschirme {
    test::FesteZeit zeit;
    QStringList meldungen;
    Programm p{zeit};
    Spielstand& stand = p.spiel.stand();

    explicit Bildschirme(bool alleAngenommen = false) {
        p.anzeige.meldungenSammeln = &meldungen;
        p.hauptform->show();
        p.hauptform->Spiel_startenbuttonClick();
        tasteGedrueckt(p.spiel, '4');
        test::tabelleFuellen(stand);
        if (alleAngenommen)
            for (Auftrag& a : stand.auftraege)
                a.angenommen = 1;
        p.hauptform->FormPaint();
        QCoreApplication::processEvents();
    }
    static void zeichnen() { QCoreApplication::processEvents(); }
};

// One game minute at speed 4 with the inbox and the dispatch screen open: the tick, the labels
// it writes and the repaints they cause.
void BildschirmTaktSchnellVoll(benchmark::State& state) {
    Bildschirme b;
    b.p.posteingangform()->show();
    b.p.taxi_sendenform()->show();
    Bildschirme::zeichnen();
    for (auto _ : state) {
        b.p.hauptform->Timer1Takt();
        Bildschirme::zeichnen();
    }
}
BENCHMARK(BildschirmTaktSchnellVoll)->Unit(benchmark::kMicrosecond);

// The same with the autosave on, into a folder of its own. It writes each real minute the clock
// runs; here every fifth of a second, 300 times as often, so that each run sees writes: the copy
// in this thread, the writing thread beside it.
void BildschirmTaktSchnellVollGesichert(benchmark::State& state) {
    Bildschirme b;
    QTemporaryDir ordner;
    Dateisystem fs;
    Autosicherung sicherung(b.p, ordner.path(), fs);
    sicherung.einrichten();
    sicherung.setzeTakt(200);
    sicherung.starten();
    b.p.posteingangform()->show();
    b.p.taxi_sendenform()->show();
    Bildschirme::zeichnen();
    const int vorher = sicherung.auftraege();
    for (auto _ : state) {
        b.p.hauptform->Timer1Takt();
        Bildschirme::zeichnen();
    }
    state.counters["Sicherungen"] = sicherung.auftraege() - vorher;
    sicherung.abwarten();
}
BENCHMARK(BildschirmTaktSchnellVollGesichert)->Unit(benchmark::kMicrosecond);

void posteingangOeffnen(benchmark::State& state) {
    Bildschirme b;
    for (auto _ : state) {
        b.p.hauptform->posteingangbutton->click();
        Bildschirme::zeichnen();
        state.PauseTiming();
        b.p.posteingangform()->close();
        Bildschirme::zeichnen();
        state.ResumeTiming();
    }
}

void PosteingangOeffnenVoll(benchmark::State& state) {
    posteingangOeffnen(state);
}
BENCHMARK(PosteingangOeffnenVoll)->Unit(benchmark::kMillisecond);

// The same in English: the lines are worded from the translation's templates.
void PosteingangOeffnenVollEnglisch(benchmark::State& state) {
    spracheEinrichten(Sprache::englisch);
    posteingangOeffnen(state);
    spracheEinrichten(Sprache::deutsch);
}
BENCHMARK(PosteingangOeffnenVollEnglisch)->Unit(benchmark::kMillisecond);

void SendenOeffnenVoll(benchmark::State& state) {
    Bildschirme b(true);
    for (auto _ : state) {
        b.p.hauptform->taxi_sendenbutton->click();
        Bildschirme::zeichnen();
        state.PauseTiming();
        b.p.taxi_sendenform()->close();
        Bildschirme::zeichnen();
        state.ResumeTiming();
    }
}
BENCHMARK(SendenOeffnenVoll)->Unit(benchmark::kMillisecond);

void BankZeichnen(benchmark::State& state) {
    Bildschirme b;
    b.p.bankform()->show();
    Bildschirme::zeichnen();
    for (auto _ : state) {
        b.p.bankform()->FormPaint();
        Bildschirme::zeichnen();
    }
}
BENCHMARK(BankZeichnen)->Unit(benchmark::kMicrosecond);

// Saving and loading a full game through the program, the screens' refresh after loading
// included.
void SpeichernLadenVoll(benchmark::State& state) {
    Bildschirme b;
    QTemporaryDir ordner;
    const std::string pfad = (ordner.path() + QStringLiteral("/voll.kbs")).toStdString();
    for (auto _ : state) {
        spielSpeichern(b.p.spiel, pfad);
        spielLaden(b.p.spiel, pfad);
        Bildschirme::zeichnen();
    }
}
BENCHMARK(SpeichernLadenVoll)->Unit(benchmark::kMillisecond);

}  // namespace
