#include <algorithm>

#include "squad/gracze.h"
#include "squad/iloczyn.h"
#include "terminal/konsola.h"
#include "wspolne/los.h"

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
