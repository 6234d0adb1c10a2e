#include <algorithm>
#include <climits>
#include <string>

#include "club/boisko.h"
#include "terminal/klawisze.h"
#include "terminal/konsola.h"
#include "wspolne/pieniadze.h"

namespace {

constexpr int krok = 10000;

void pokaz_bank(const boisko& st, bool oddajesz, int ile) {
    cls();
    linia(" B A N K \n");
    drukuj(" Dlug : %u\n", static_cast<unsigned>(st.dlug));
    drukuj(" Kasa : %d\n", st.kasa);
    if (oddajesz && st.dni_dlugu >= boisko::splata_od) linia(" Oddajesz (enter)");
    if (!oddajesz && st.dni_dlugu <= boisko::pobieranie_do) linia(" Pobierasz (enter)");
    drukuj(" Ile  : %u (lewo/prawo)\n", static_cast<unsigned>(ile));
    drukuj(" Pobierasz/oddajesz (gora/dol)\n");
    if (st.dni_dlugu > 0) {
        drukuj(" Dni do splaty %d\n.", boisko::termin_dlugu - st.dni_dlugu);
        if (st.dni_dlugu < boisko::splata_od) {
            drukuj(" Za %d kolejek ligowych, bedziesz mogl zaczac splacac dlug.\n",
                   boisko::splata_od - st.dni_dlugu);
        }
    }
}

// A repayment is cut to the debt and to the cash; nothing is repaid from negative cash.
void oddaj(boisko& st, int& ile) {
    ile = std::max(0, std::min({ile, st.dlug, st.kasa}));
    st.dlug -= ile;
    st.kasa -= ile;
}

// Only as much is lent as keeps both the debt and the cash within their range.
void pobierz(boisko& st, int ile) {
    const long long mozna =
        std::min({static_cast<long long>(ile), INT_MAX - 1LL * st.dlug, INT_MAX - 1LL * st.kasa});
    dodaj(st.dlug, mozna);
    dodaj(st.kasa, mozna);
}

// Why an Enter moved no money, read from the same rules as the transaction itself.
std::string powod_bez_skutku(const boisko& st, bool oddajesz, int ile) {
    const std::string zegar = " (teraz " + std::to_string(st.dni_dlugu) + ")";
    if (oddajesz && st.dlug <= 0) return "Enter: nie ma dlugu do splacenia";
    if (oddajesz && st.dni_dlugu < boisko::splata_od)
        return "Enter: splata dopiero od " + std::to_string(boisko::splata_od) +
               ". kolejki ligowej z dlugiem" + zegar;
    if (!oddajesz && st.dni_dlugu > boisko::pobieranie_do)
        return "Enter: po " + std::to_string(boisko::pobieranie_do) +
               " kolejkach z dlugiem bank nie pozycza" + zegar;
    if (ile <= 0) return "Enter: kwota 0, prawo dodaje " + std::to_string(krok);
    if (oddajesz) return "Enter: brak kasy na splate";
    return "Enter: bank nie pozyczy wiecej";
}

}  // namespace

void boisko::bank() {
    klawisze_ekranu pomoc(ekran_gry::bank);
    int ile = 0;
    bool oddajesz = true;
    for (;;) {
        pokaz_bank(*this, oddajesz, ile);
        const int k = klawisz();
        if (k == klawisze::spacja) return;
        if (k == klawisze::dol) oddajesz = false;
        if (k == klawisze::gora) oddajesz = true;
        if (k == klawisze::prawo) dodaj(ile, krok);
        if (k == klawisze::lewo) ile = std::max(0, ile - krok);
        if (k != klawisze::enter) continue;
        const int dlug_przed = dlug;
        const int ile_przed = ile;
        if (oddajesz && dni_dlugu >= splata_od) oddaj(*this, ile);
        if (!oddajesz && dni_dlugu <= pobieranie_do) pobierz(*this, ile);
        if (dlug == dlug_przed) komunikat_stanu(powod_bez_skutku(*this, oddajesz, ile_przed));
    }
}
