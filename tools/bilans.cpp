// Balance check: plays whole seasons from the start-up data files and prints how the user's
// club fared, season by season, then a fixed summary of key: value lines for scripts.
// Usage: bilans <data directory> [runs=200] [seasons=1] [first seed=1] [rotacja|menedzer];
// "rotacja" rests tired players before every match, "menedzer" manages the whole club.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "autopilot.h"
#include "club/boisko.h"
#include "kariera.h"
#include "league/zespoly.h"
#include "menedzer.h"
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

// One seed's career with the chosen pilot; the highest cash is watched after every match.
template <typename pilot>
void rozegraj(pilot& p, int ziarno, int sezony, kariera& k) {
    k.nowe_ziarno();
    const auto po_meczu = [&] { k.kasa(ST.kasa); };
    for (int n = 0; n < sezony; ++n) {
        const wynik_sezonu w = p.rozegraj_sezon(po_meczu);
        std::printf("ziarno %d sezon %d: miejsce %2d w %d lidze -> %d liga, kasa %d%s\n", ziarno,
                    w.sezon, w.miejsce, w.liga + 1, w.nowa_liga + 1, w.kasa,
                    w.puchar ? ", puchar" : "");
        k.dodaj(w);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string rodzaj = argc > 5 ? argv[5] : "";
    if (argc < 2 || (rodzaj != "" && rodzaj != "rotacja" && rodzaj != "menedzer")) {
        std::fprintf(stderr,
                     "uzycie: bilans <katalog danych> [przebiegi] [sezony] [ziarno] "
                     "[rotacja|menedzer]\n");
        return 2;
    }
    const int przebiegi = argc > 2 ? std::atoi(argv[2]) : 200;
    const int sezony = argc > 3 ? std::atoi(argv[3]) : 1;
    const int pierwsze_ziarno = argc > 4 ? std::atoi(argv[4]) : 1;
    kariera k;
    for (int p = 0; p < przebiegi; ++p) {
        if (!wczytaj(argv[1])) return 1;
        const int ziarno = pierwsze_ziarno + p;
        zasiej(static_cast<std::uint32_t>(ziarno));
        skrypt s;
        if (rodzaj == "menedzer") {
            menedzer m(s);
            rozegraj(m, ziarno, sezony, k);
        } else {
            autopilot a(s);
            a.rotuj_sklad(rodzaj == "rotacja");
            rozegraj(a, ziarno, sezony, k);
        }
    }
    std::fputs(k.podsumowanie().c_str(), stdout);
    return 0;
}
