#pragma once
#include <cstring>
#include <string>

#include "club/boisko.h"
#include "pomoc/gra_testowa.h"
#include "terminal/skrypt.h"

// A third-tier club with a bit of everything: sponsor, scout, three stands, two officers,
// 10000 seats, a wage rated "skromne" (no effect on morale) and the fair ticket price (6 zl).
inline void klub_testowy() {
    czysta_gra();
    ST.kasa = 100000;
    ST.pojemnosc = 10000;
    ST.kwota_sponsora = 20000;
    std::strcpy(ST.nazwa_sponsora, "Sponsorex");
    ST.koszt_lowcy = 1000;
    ST.propozycje_lowcy = 1;
    ST.budki = 3;
    ST.policja = 2;
    ST.liga = 2;
    ST.poziom_ceny = 2;
    ST.placa = 200;
}

// The accounts of one match of 18 players, every key a space; the screen at the last pause
// and the number of keys read.
struct po_meczu {
    std::string ekran;
    long klawiszy;
};

inline po_meczu rozlicz(int kibice, int rezultat, int& morale, int walkower = 0,
                        int pucharowy = 0) {
    skrypt s;
    s.ustaw_pilota([](const ekran&) { return klawisze::spacja; });
    ST.pomeczu(kibice, rezultat, 18, &morale, 2, walkower, pucharowy);
    return {s.migawki().back().tekst(), s.odczytow()};
}
