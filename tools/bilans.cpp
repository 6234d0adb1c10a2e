// Balance check: plays whole seasons hands-off from the start-up data files and prints how
// the user's club fared. Usage: bilans <data directory> [runs=200] [seasons=1] [first seed=1]
// [rotacja]; with "rotacja" the autopilot also rests tired players before every match.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "autopilot.h"
#include "club/boisko.h"
#include "league/zespoly.h"
#include "shell/start.h"
#include "squad/gracze.h"
#include "terminal/ekran.h"
#include "terminal/konsola.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"

namespace {

bool wczytaj(const std::string& katalog) {
    DR = zespoly{};
    GR = gracze{};
    ST = boisko{};
    biezacy_ekran() = ekran{};
    std::string blad;
    if (wczytaj_gre(&blad, katalog)) return true;
    std::fprintf(stderr, "Nie wczytano danych: %s\n", blad.c_str());
    return false;
}

struct podsumowanie {
    long suma_miejsc = 0;
    int najlepsze = 18;
    int najgorsze = 1;
    int na_plusie = 0;
    int awanse = 0;
    int spadki = 0;
    long long suma_kasy = 0;
    int przebiegi = 0;

    void dodaj(const wynik_sezonu& w) {
        ++przebiegi;
        suma_miejsc += w.miejsce;
        najlepsze = std::min(najlepsze, w.miejsce);
        najgorsze = std::max(najgorsze, w.miejsce);
        if (w.kasa >= 0) ++na_plusie;
        if (w.nowa_liga < w.liga) ++awanse;
        if (w.nowa_liga > w.liga) ++spadki;
        suma_kasy += w.kasa;
    }

    void drukuj() const {
        if (przebiegi == 0) return;
        std::printf("Pierwszy sezon, %d przebiegow:\n", przebiegi);
        std::printf("  srednie miejsce %.2f (najlepsze %d, najgorsze %d)\n",
                    static_cast<double>(suma_miejsc) / przebiegi, najlepsze, najgorsze);
        std::printf("  awanse %d, spadki %d\n", awanse, spadki);
        std::printf("  kasa nieujemna w %d z %d, srednia kasa %lld\n", na_plusie, przebiegi,
                    suma_kasy / przebiegi);
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr,
                     "uzycie: bilans <katalog danych> [przebiegi] [sezony] [ziarno] [rotacja]\n");
        return 2;
    }
    const int przebiegi = argc > 2 ? std::atoi(argv[2]) : 200;
    const int sezony = argc > 3 ? std::atoi(argv[3]) : 1;
    const int pierwsze_ziarno = argc > 4 ? std::atoi(argv[4]) : 1;
    const bool rotacja = argc > 5 && std::string(argv[5]) == "rotacja";
    podsumowanie pierwszy;
    for (int p = 0; p < przebiegi; ++p) {
        if (!wczytaj(argv[1])) return 1;
        const int ziarno = pierwsze_ziarno + p;
        zasiej(static_cast<std::uint32_t>(ziarno));
        skrypt s;
        autopilot pilot(s);
        pilot.rotuj_sklad(rotacja);
        for (int n = 0; n < sezony; ++n) {
            const wynik_sezonu w = pilot.rozegraj_sezon();
            std::printf("ziarno %d sezon %d: miejsce %2d w %d lidze -> %d liga, kasa %d\n", ziarno,
                        w.sezon, w.miejsce, w.liga + 1, w.nowa_liga + 1, w.kasa);
            if (n == 0) pierwszy.dodaj(w);
        }
    }
    pierwszy.drukuj();
    return 0;
}
