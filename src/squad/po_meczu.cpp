#include <algorithm>

#include "squad/gracze.h"
#include "squad/liczby.h"
#include "terminal/konsola.h"
#include "wspolne/los.h"

namespace {

// The chance of scoring in one pass is (pozycja - 1) * bramkostrzelnosc in 150.
long long szansa(const gracze& g, int i) {
    if (g.wiek[i] <= 0 || g.gra[i] != 1 || g.pozycja[i] <= 1) return 0;
    return static_cast<long long>(g.pozycja[i] - 1) * g.bramkostrzelnosc[i];
}

bool ktos_strzela(const gracze& g) {
    for (int i = 0; i < gracze::miejsc; ++i) {
        if (szansa(g, i) > 0) return true;
    }
    return false;
}

}  // namespace

void gracze::ktostrzelil(int gole) {
    if (gole > 0) linia("\n Bramki zdobyli :");
    // Goals nobody on the pitch could have scored stay uncredited.
    while (gole > 0 && ktos_strzela(*this)) {
        for (int i = 0; i < miejsc && gole > 0; ++i) {
            if (wiek[i] <= 0 || gra[i] != 1 || pozycja[i] <= 1) continue;
            if (losuj() % 150 >= szansa(*this, i)) continue;
            ++bramki[i];
            --gole;
            kolor(9 + 2 * pozycja[i]);
            drukuj(" %s\n", imie[i]);
        }
    }
    klawisz();
    kolor(15);
}

void gracze::pomeczu(int walkower) {
    for (int i = 0; i < miejsc; ++i) {
        if (wiek[i] <= 0) continue;
        if (gra[i] != 1 || walkower == 1) {
            sily[i] = sily[i] <= 19 ? std::min(sily[i] + 5, 20) : std::min(sily[i], 22) + 1;
        } else {
            if (sily[i] > 0) --sily[i];
            ++meczy[i];
        }
    }
}

void gracze::koniecsezonu() {
    for (int i = 0; i < miejsc; ++i) {
        if (wiek[i] <= 0) continue;
        int a = ++wiek[i];
        sily[i] = 20;
        if (a < 30) {
            umiejetnosci[i] += losuj() % (obetnij_iloczyn(30 - a, 1.5) + 1);
        } else {
            umiejetnosci[i] -= losuj() % (obetnij_iloczyn(a - 29, 1.4) + 1);
        }
        if (umiejetnosci[i] < 0) umiejetnosci[i] = 5;
    }
    klawisz();
}
