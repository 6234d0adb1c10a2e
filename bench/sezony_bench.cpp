#include <benchmark/benchmark.h>

#include <string>

#include "autopilot.h"
#include "club/boisko.h"
#include "league/zespoly.h"
#include "shell/dzien_meczu.h"
#include "shell/start.h"
#include "squad/gracze.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"

namespace {
bool wczytaj(benchmark::State& stan) {
    std::string blad;
    if (wczytaj_gre(&blad, DANE_DIR)) return true;
    stan.SkipWithError(blad.c_str());
    return false;
}

// Whole seasons through every match day's screens, every key answered by the autopilot; the
// game starts afresh from the data files after each season.
void Sezony(benchmark::State& stan) {
    if (!wczytaj(stan)) return;
    const zespoly dr = DR;
    const gracze gr = GR;
    const boisko st = ST;
    zasiej(1);
    skrypt konsola;
    autopilot pilot(konsola);
    pilot.rotuj_sklad(stan.range(0) != 0);
    for (auto _ : stan) {
        DR = dr;
        GR = gr;
        ST = st;
        benchmark::DoNotOptimize(pilot.rozegraj_sezon());
    }
    stan.counters["sezony/s"] =
        benchmark::Counter(static_cast<double>(stan.iterations()), benchmark::Counter::kIsRate);
    stan.counters["klawisze/sezon"] =
        static_cast<double>(konsola.odczytow()) / static_cast<double>(stan.iterations());
}
BENCHMARK(Sezony)->Arg(0)->Arg(1)->ArgName("rotacja")->Unit(benchmark::kMillisecond);

// Seasons with every key scripted in advance, as the tests script the console.
void SezonySkrypt(benchmark::State& stan) {
    if (!wczytaj(stan)) return;
    const zespoly dr = DR;
    const gracze gr = GR;
    const boisko st = ST;
    zasiej(1);
    for (auto _ : stan) {
        DR = dr;
        GR = gr;
        ST = st;
        skrypt konsola;
        konsola.zapisuj_migawki(false);
        konsola.dodaj(std::string(20000, ' '));
        const int sezon = DR.sezon;
        while (DR.sezon == sezon) nastepnymecz();
        benchmark::DoNotOptimize(konsola.pozostalo());
    }
    stan.counters["sezony/s"] =
        benchmark::Counter(static_cast<double>(stan.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(SezonySkrypt)->Unit(benchmark::kMillisecond);
}  // namespace
