#include "jezyk/jezyk.h"
#include "league/zespoly.h"
#include "terminal/konsola.h"

namespace {
constexpr int okno = 4;

const char* miejsce_meczu(int gdzie) {
    return gdzie == 0 ? _("U siebie ") : _("Na wyjezdzie ");
}

// A second leg is announced once, and not at all once this round's leg has been played.
bool jest_mecz_pucharowy(const zespoly& dr, int runda, int pokazane) {
    const bool rewanz = dr.puchar % 2 == 0;
    const bool rozegrany = dr.mecz_pucharowy == 1 && runda == dr.nr_kolejki;
    return dr.puchar >= 1 && dr.puchar <= zespoly::final_rewanz && runda % 2 == 0 &&
           !(rewanz && pokazane == 1) && !rozegrany;
}

void pokaz_mecz_pucharowy(const zespoly& dr, int pokazane) {
    drukuj("%s", miejsce_meczu((dr.puchar + pokazane) % 2));
    if (dr.puchar == zespoly::final_rewanz) {
        drukuj(_("final pucharu polski! z "));
    } else {
        drukuj(_("w 1/%d pucharu polski z "), 64 >> ((dr.puchar - 1) / 2));
    }
    const int liga = dr.rywal_pucharu / zespoly::druzyn;
    const int slot = dr.rywal_pucharu % zespoly::druzyn;
    drukuj(_("%s (%d liga %d miejsce) "), dr.nazwa[liga][slot], liga + 1,
           dr.ktoremiejsce(liga, slot));
    // The first leg's home side, the opponent, comes first.
    if (dr.puchar % 2 == 0) drukuj("( %d:%d )", dr.dwumecz_stracone, dr.dwumecz_zdobyte);
    drukuj("\n");
}
}  // namespace

// The user's next four league rounds, with the cup legs that fall on the even ones.
void zespoly::pokaznastepnymecz() const {
    drukuj(_("Nastepne mecze:\n"));
    int pokazane = 0;
    for (int r = nr_kolejki; r <= nr_kolejki + okno - 1 && r <= ostatnia_kolejka; ++r) {
        if (jest_mecz_pucharowy(*this, r, pokazane)) {
            pokaz_mecz_pucharowy(*this, pokazane);
            pokazane = 1;
        }
        int gdzie = 0;
        const int rywal = zkimmecz(&gdzie, r);
        drukuj(_("%sw lidze z %s (%d liga %d miejsce) \n"), miejsce_meczu(gdzie),
               nazwa[twojaliga][rywal], twojaliga + 1, ktoremiejsce(twojaliga, rywal));
    }
}
