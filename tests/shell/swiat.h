#pragma once
#include <cstdio>
#include <fstream>
#include <string>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "pomoc/gra_testowa.h"
#include "shell/dzien_meczu.h"
#include "squad/gracze.h"
#include "terminal/konsola.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"

// Hand-made games for the match day, cup and season tests: clubs "K<tier>_<slot>" of
// strength 30 in round 0 of 1995, no results, no cup; the user in tier liga, slot druzyna,
// with cash, 5000 seats, a sponsor and a scout, so no offer interrupts the accounts.
inline void prosta_liga(int liga, int druzyna) {
    czysta_gra();
    for (int t = 0; t < zespoly::lig; ++t) {
        for (int s = 0; s < zespoly::druzyn; ++s) {
            std::snprintf(DR.nazwa[t][s], sizeof DR.nazwa[t][s], "K%d_%d", t, s);
            DR.sila[t][s] = 30;
        }
    }
    DR.sezon = 1995;
    DR.twojaliga = liga;
    DR.twojadruzyna = druzyna;
    const std::string plik = testing::TempDir() + "klub_ligi.txt";
    std::ofstream(plik) << "1000000 5000 0 0 5000 Sponsor 10 0 " << liga << " 100 2 500 1\n";
    ASSERT_TRUE(ST.load(plik.c_str()));
}

// A player in the next free slot: fitness 20, age 25, 50 matches, selected.
inline void dodaj_gracza(int pozycja, int umiejetnosci, int bramkostrzelnosc) {
    const int i = GR.ilegraczy();
    std::snprintf(GR.imie[i], sizeof GR.imie[i], "Gracz%d", i);
    GR.pozycja[i] = pozycja;
    GR.umiejetnosci[i] = umiejetnosci;
    GR.bramkostrzelnosc[i] = bramkostrzelnosc;
    GR.sily[i] = 20;
    GR.wiek[i] = 25;
    GR.meczy[i] = 50;
    GR.gra[i] = 1;
}

// Eleven of ability 60: a goalkeeper, four defenders, four midfielders, two forwards; or,
// with one forward, a goalkeeper, nine defenders and a forward who scores every chance (each
// of the user's goals then costs exactly one draw when the scorers are picked).
inline void sklad(bool jeden_strzelec = false) {
    GR.morale = 60;
    if (jeden_strzelec) dodaj_gracza(3, 80, 80);
    dodaj_gracza(0, 60, 0);
    for (int i = 1; i < 10; ++i) {
        if (jeden_strzelec) {
            dodaj_gracza(1, 60, 0);
        } else {
            dodaj_gracza(i < 5 ? 1 : i < 9 ? 2 : 3, 60, i < 5 ? 0 : i < 9 ? 8 : 10);
        }
    }
    if (!jeden_strzelec) dodaj_gracza(3, 60, 10);
}

// Plays the next match day answering every key with a space; every screen shown, joined.
inline std::string zagraj() {
    skrypt s;
    s.ustaw_pilota([](const ekran&) { return klawisze::spacja; });
    nastepnymecz();
    std::string wszystko;
    for (const migawka& m : s.migawki()) wszystko += m.tekst() + "\n";
    return wszystko + biezacy_ekran().tekst();
}

inline bool ma(const std::string& tekst, const std::string& fragment) {
    return tekst.find(fragment) != std::string::npos;
}
