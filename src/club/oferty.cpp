#include <cstring>

#include "club/boisko.h"
#include "club/wspolczynnik.h"
#include "terminal/klawisze.h"
#include "terminal/konsola.h"
#include "wspolne/los.h"
#include "wspolne/pieniadze.h"

namespace {

// The answer starts at no; up means yes, down no, and space confirms what is shown.
bool tak_czy_nie() {
    klawisze_ekranu pomoc(ekran_gry::oferta);
    bool tak = false;
    for (;;) {
        drukuj(tak ? " tak " : " nie ");
        drukuj("(gora/dol)+(space)\r");
        const int k = klawisz();
        if (k == klawisze::spacja) return tak;
        if (k == klawisze::dol) tak = false;
        if (k == klawisze::gora) tak = true;
    }
}

bool podpisany() {
    if (tak_czy_nie()) {
        linia("\n Gratulacje! Podpisales kontrakt!");
        return true;
    }
    linia("\n Szkoda, ale w nastepnej kolejce kolejna okazja!");
    return false;
}

}  // namespace

void boisko::nowysponsor() {
    const int k = wstawwsp(liga);
    const int i = losuj() % nazw_sponsorow;
    const int kwota = nasycone(3000LL * k + 10LL * (losuj() % (700 * k)));
    drukuj(" %s oferuje kontrakt do konca sezonu w wysokosci: %d\n", sponsorzy[i], kwota);
    if (!podpisany()) return;
    kwota_sponsora = kwota;
    std::memcpy(nazwa_sponsora, sponsorzy[i], sizeof nazwa_sponsora);
}

void boisko::nowy_lowca() {
    const int k = wstawwsp(liga);
    const int n = losuj() % 3 + 1;
    const int oplata = nasycone((250LL * k + losuj() % (500 * k)) * n * n);
    drukuj("\n Lowca talentow oferuje %d propozycji co kolejke za stawke w wysokosci: %d\n", n,
           oplata);
    if (!podpisany()) return;
    propozycje_lowcy = n;
    koszt_lowcy = oplata;
}
