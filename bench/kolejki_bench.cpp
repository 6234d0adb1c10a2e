#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "league/zespoly.h"
#include "shell/mecz.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"

namespace {
// The user's match as the match day books it, so that every slot plays each round.
void mecz_uzytkownika() {
    int gdzie = 0;
    const int rywal = DR.zkimmecz(&gdzie, DR.nr_kolejki);
    const int gospodarz = gdzie == 0 ? DR.twojadruzyna : rywal;
    const int gosc = gdzie == 0 ? rywal : DR.twojadruzyna;
    int gh = 0;
    int ga = 0;
    wynik(DR.sila[DR.twojaliga][gospodarz], DR.sila[DR.twojaliga][gosc], &gh, &ga);
    DR.zaksieguj(DR.twojaliga, gospodarz, gosc, gh, ga);
}

// Whole league rounds of all three tiers, screens included, a season after another.
void KolejkiLigowe(benchmark::State& stan) {
    std::string blad;
    if (!DR.load(DANE_DIR "/druzyny-1995.txt", &blad)) {
        stan.SkipWithError(blad.c_str());
        return;
    }
    const zespoly poczatek = DR;
    zasiej(1);
    skrypt konsola;
    konsola.zapisuj_migawki(false);
    konsola.ustaw_pilota([](const ekran&) { return ' '; });
    for (auto _ : stan) {
        mecz_uzytkownika();
        for (int t = 0; t < zespoly::lig; ++t) DR.graj(t);
        if (++DR.nr_kolejki > zespoly::ostatnia_kolejka) DR = poczatek;
    }
    stan.counters["kolejki/s"] =
        benchmark::Counter(static_cast<double>(stan.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(KolejkiLigowe);
}  // namespace
