#include "squad/gracze.h"
#include "terminal/konsola.h"
#include "wspolne/los.h"

namespace {

// The chance of scoring in one pass is (pozycja - 1) * bramkostrzelnosc in 150.
long long szansa(const gracze& g, int i) {
    if (g.wiek[i] <= 0 || g.gra[i] != 1 || g.pozycja[i] < gracze::pomocnik) return 0;
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
            if (wiek[i] <= 0 || gra[i] != 1 || pozycja[i] < pomocnik) continue;
            if (losuj() % 150 >= szansa(*this, i)) continue;
            ++bramki[i];
            --gole;
            kolor(kolor_pozycji(pozycja[i]));
            drukuj(" %s\n", imie[i]);
        }
    }
    klawisz();
    kolor(kolor_tekstu);
}
