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

// Eleven selected players of ability 60, fitness 20, age 25 and 50 matches: a goalkeeper,
// four defenders, four midfielders, two forwards; or a forward of ability 80 who scores every
// chance, a goalkeeper and nine defenders (each of the user's goals then costs exactly one
// draw when the scorers are picked).
inline void sklad(bool jeden_strzelec = false) {
    const auto razy = [](int n, const std::string& gracz) {
        std::string s;
        for (int i = 0; i < n; ++i) s += gracz;
        return s;
    };
    const std::string plik = testing::TempDir() + "sklad.txt";
    std::ofstream(plik) << std::string("60 0\n") +
                               (jeden_strzelec ? "N 80 20 25 50 0 80 3 1\n" : "") +
                               "B 60 20 25 50 0 0 0 1\n" +
                               razy(jeden_strzelec ? 9 : 4, "O 60 20 25 50 0 0 1 1\n") +
                               razy(jeden_strzelec ? 0 : 4, "P 60 20 25 50 0 8 2 1\n") +
                               razy(jeden_strzelec ? 0 : 2, "N 60 20 25 50 0 10 3 1\n");
    ASSERT_TRUE(GR.load(plik.c_str()));
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
