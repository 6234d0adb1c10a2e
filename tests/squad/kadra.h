#pragma once
#include <array>
#include <cstdio>

#include "squad/gracze.h"

// Puts a player into a slot of GR: fresh (fitness 20), no matches or goals.
inline void zawodnik(int i, const char* imie, int pozycja, int umiejetnosci, int wiek = 25,
                     int gra = 1, int bramkostrzelnosc = 0) {
    std::snprintf(GR.imie[i], sizeof GR.imie[i], "%s", imie);
    GR.pozycja[i] = pozycja, GR.umiejetnosci[i] = umiejetnosci, GR.wiek[i] = wiek;
    GR.gra[i] = gra, GR.bramkostrzelnosc[i] = bramkostrzelnosc;
    GR.sily[i] = 20, GR.meczy[i] = 0, GR.bramki[i] = 0;
}

// Every number of a slot, in the squad file's order.
inline std::array<int, 8> pola(const gracze& g, int i) {
    return {g.umiejetnosci[i],     g.sily[i],    g.wiek[i], g.meczy[i], g.bramki[i],
            g.bramkostrzelnosc[i], g.pozycja[i], g.gra[i]};
}
