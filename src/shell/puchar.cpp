#include "shell/puchar.h"

#include "club/boisko.h"
#include "jezyk/jezyk.h"
#include "league/zespoly.h"
#include "terminal/konsola.h"
#include "wspolne/los.h"
#include "wspolne/pieniadze.h"
#include "wspolne/rezultat.h"

namespace {
constexpr int premia_za_puchar = 5000000;

int rzuty_karne() {
    int rezultat = rezultat::remis;
    while (rezultat == rezultat::remis) {
        linia(_("\n\r Rzuty karne!"));
        const int rywala = losuj() % 6;
        const int twoje = losuj() % 6;
        klawisz();
        drukuj("\r      %d     :     %d", twoje, rywala);
        rezultat = rezultat_meczu(twoje, rywala);
    }
    return rezultat;
}

// The cup sells its own tickets for a home leg, more the further the run goes.
int kibice_pucharu(int gdzie) {
    if (gdzie != 0) return 0;
    return 2000 * DR.puchar + 2000 + losuj() % (1750 * DR.puchar);
}

void koniec_dwumeczu() {
    DR.dwumecz_zdobyte = 0;
    DR.dwumecz_stracone = 0;
}

// Moves the cup on after the leg; returns the television money, doubled after a won leg.
int awans(int rezultat, int telewizja) {
    if (rezultat != rezultat::wygrana) {
        if (rezultat == rezultat::porazka) drukuj(_("\n\r porazka!"));
        if (DR.puchar % 2 == 1) {
            ++DR.puchar;
        } else {
            DR.puchar = 0;
            koniec_dwumeczu();
        }
        return telewizja;
    }
    linia(_("\n Hurra! zwyciestwo! "));
    const int podwojna = DR.puchar * DR.puchar * 4000;
    if (DR.puchar == zespoly::final_rewanz) {
        drukuj(_("\n\r Brawo! zdobyles Puchar Polski!"));
        drukuj(_("\n\r gratyfikacja od PZPN za Puchar: 5000000!"));
        dodaj(ST.kasa, premia_za_puchar);
        DR.puchar = 0;
        klawisz();
    } else if (DR.puchar % 2 == 0) {
        koniec_dwumeczu();
        DR.rywal_pucharu = losuj_rywala(DR.puchar);
        ++DR.puchar;
    } else {
        ++DR.puchar;
    }
    return podwojna;
}
}  // namespace

void naglowek_pucharu() {
    linia(_(" Mecz w pucharze polski "));
    if (DR.puchar % 2 == 0) {
        drukuj(_(" W pierwszym meczu Twoja druzyna zdobyla %d bramek i stracila %d bramek.\n\n"),
               DR.dwumecz_zdobyte, DR.dwumecz_stracone);
    }
}

void po_meczu_pucharowym(int gole, int gole_rywala, int walkower, int* rezultat, int* kibice) {
    const int gdzie = DR.puchar % 2;
    const int telewizja = DR.puchar * DR.puchar * 2000;
    dodaj(DR.dwumecz_zdobyte, gole);
    dodaj(DR.dwumecz_stracone, gole_rywala);
    *rezultat = rezultat_meczu(DR.dwumecz_zdobyte, DR.dwumecz_stracone);
    if (DR.puchar % 2 == 0) {
        linia(_("\nWYNIK DWUMECZU:"));
        drukuj("\n           (%d)       :", DR.dwumecz_zdobyte);
        drukuj("      (%d)", DR.dwumecz_stracone);
        if (*rezultat == rezultat::remis) *rezultat = rzuty_karne();
    }
    *kibice = kibice_pucharu(gdzie);
    const int pieniadze = awans(*rezultat, telewizja);
    if (walkower != 1) {
        drukuj(_("\n\r wplywy z przekazu telewizyjnego : %d "), pieniadze);
        dodaj(ST.kasa, pieniadze);
    }
    klawisz();
}

int losuj_rywala(int etap) {
    const int wlasny = DR.twojaliga * zespoly::druzyn + DR.twojadruzyna;
    int rywal = 0;
    do {
        rywal = 54 - ((etap / 2) * 54) / 7 - losuj() % 7;
    } while (rywal == wlasny);
    return rywal < 1 ? 0 : rywal;
}
