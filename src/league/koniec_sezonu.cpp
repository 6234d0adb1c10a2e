#include <cstring>
#include <utility>

#include "league/zespoly.h"
#include "terminal/konsola.h"
#include "wspolne/los.h"
#include "wspolne/pieniadze.h"

namespace {
// Blue on bright black.
constexpr int kolor_konca = 129;
constexpr int wymiana = 4;
constexpr int ostatni = zespoly::druzyn - 1;
constexpr int najmniejsza_sila = 5;

// Drift of a club's strength per tier: the top tier swings widest.
struct dryf {
    int zakres;
    int przesuniecie;
};
constexpr dryf dryfy[zespoly::lig] = {{10, 4}, {8, 3}, {6, 2}};

// Places 1-4 of the lower tier swap names and strengths with places 18-15 of the upper one;
// statistics stay with the slots.
void wymien(zespoly& dr, int wyzsza, const int* ranking_wyzszej, const int* ranking_nizszej) {
    const int nizsza = wyzsza + 1;
    for (int i = 0; i < wymiana; ++i) {
        const int gora = ranking_wyzszej[ostatni - i];
        const int dol = ranking_nizszej[i];
        char schowek[sizeof dr.nazwa[0][0]];
        std::memcpy(schowek, dr.nazwa[wyzsza][gora], sizeof schowek);
        std::memcpy(dr.nazwa[wyzsza][gora], dr.nazwa[nizsza][dol], sizeof schowek);
        std::memcpy(dr.nazwa[nizsza][dol], schowek, sizeof schowek);
        std::swap(dr.sila[wyzsza][gora], dr.sila[nizsza][dol]);
    }
}

// The user follows the club's name into the slot the exchange moves it to.
void przenies_uzytkownika(zespoly& dr, int wyzsza, const int* ranking_wyzszej,
                          const int* ranking_nizszej) {
    const int nizsza = wyzsza + 1;
    for (int i = 0; i < wymiana; ++i) {
        if (dr.twojaliga == nizsza && dr.twojadruzyna == ranking_nizszej[i]) {
            dr.twojaliga = wyzsza;
            dr.twojadruzyna = ranking_wyzszej[ostatni - i];
            drukuj("\nPZPN gratuluje awansu!");
            return;
        }
        if (dr.twojaliga == wyzsza && dr.twojadruzyna == ranking_wyzszej[ostatni - i]) {
            dr.twojaliga = nizsza;
            dr.twojadruzyna = ranking_nizszej[i];
            drukuj("%s", nizsza == 2 ? "\nTo straszne! spadasz do 3 ligi"
                                     : "\nTo straszne! spadasz do 2 ligi!");
            return;
        }
    }
}

void nowy_sezon_klubow(zespoly& dr) {
    for (int t = 0; t < zespoly::lig; ++t) {
        for (int s = 0; s < zespoly::druzyn; ++s) {
            dr.zwyciestwa[t][s] = dr.remisy[t][s] = dr.porazki[t][s] = 0;
            dr.strzelone[t][s] = dr.stracone[t][s] = 0;
            dodaj(dr.sila[t][s], losuj() % dryfy[t].zakres - dryfy[t].przesuniecie);
            if (dr.sila[t][s] < najmniejsza_sila) dr.sila[t][s] = najmniejsza_sila;
            dr.punkty[t][s] = 0;
        }
    }
}
}  // namespace

void zespoly::koniecsezonu() {
    cls();
    kolor(kolor_konca);
    gotoxy(13, 10);
    drukuj("KONIEC SEZONU\n");
    klawisz();
    for (int t = 0; t < lig; ++t) tabela(t);

    int r0[druzyn], r1[druzyn], r2[druzyn];
    sortuj(punkty[2], r2, druzyn);
    sortuj(punkty[1], r1, druzyn);
    przenies_uzytkownika(*this, 1, r1, r2);
    wymien(*this, 1, r1, r2);
    // The exchange above moved no points, so tier 1's ranking still stands.
    sortuj(punkty[0], r0, druzyn);
    przenies_uzytkownika(*this, 0, r0, r1);
    wymien(*this, 0, r0, r1);

    nowy_sezon_klubow(*this);
    klawisz();
    nr_kolejki = 0;
    dwumecz_stracone = 0;
    dwumecz_zdobyte = 0;
    dodaj(sezon, 1);
    puchar = 1;
    const int twoj_klub = twojaliga * druzyn + twojadruzyna;
    do {
        rywal_pucharu = lig * druzyn - 1 - losuj() % 7;
    } while (rywal_pucharu == twoj_klub);
}
