#include "league/zespoly.h"
#include "shell/mecz.h"
#include "terminal/konsola.h"
#include "wspolne/pieniadze.h"

// Counters saturate, so a damaged file with huge totals cannot make them wrap.
void zespoly::zaksieguj(int liga, int gospodarz, int gosc, int gole_gospodarza, int gole_goscia) {
    dodaj(strzelone[liga][gospodarz], gole_gospodarza);
    dodaj(stracone[liga][gospodarz], gole_goscia);
    dodaj(strzelone[liga][gosc], gole_goscia);
    dodaj(stracone[liga][gosc], gole_gospodarza);
    if (gole_gospodarza > gole_goscia) {
        dodaj(zwyciestwa[liga][gospodarz], 1);
        dodaj(porazki[liga][gosc], 1);
        dodaj(punkty[liga][gospodarz], 3);
    } else if (gole_gospodarza < gole_goscia) {
        dodaj(porazki[liga][gospodarz], 1);
        dodaj(zwyciestwa[liga][gosc], 1);
        dodaj(punkty[liga][gosc], 3);
    } else {
        dodaj(remisy[liga][gospodarz], 1);
        dodaj(remisy[liga][gosc], 1);
        dodaj(punkty[liga][gospodarz], 1);
        dodaj(punkty[liga][gosc], 1);
    }
}

// The user's pair is left out: the match day has already played and booked it.
void zespoly::graj(int liga) {
    if (liga < 0 || liga >= lig) return;
    int pary[druzyn];
    kolejka(pary, nr_kolejki, druzyn);
    cls();
    drukuj(" Mecze %d kolejki %d ligi \n\n", nr_kolejki + 1, liga + 1);
    kolor(kolor_tekstu);
    for (int k = 0; k < druzyn; k += 2) {
        const int h = pary[k];
        const int a = pary[k + 1];
        if (liga == twojaliga && (h == twojadruzyna || a == twojadruzyna)) continue;
        int gh = 0;
        int ga = 0;
        wynik(sila[liga][h], sila[liga][a], &gh, &ga);
        drukuj("%20s %d:%d %s\n\n", nazwa[liga][h], gh, ga, nazwa[liga][a]);
        zaksieguj(liga, h, a, gh, ga);
    }
    klawisz();
}
