#include "league/zespoly.h"
#include "terminal/konsola.h"

namespace {
constexpr int ostatnia_runda = 33;
constexpr int okno = 4;
constexpr int final_rewanz = 14;

const char* miejsce_meczu(int gdzie) {
    return gdzie == 0 ? "U siebie " : "Na wyjezdzie ";
}
}  // namespace

// The user's next four league rounds, with the cup legs that fall on the even ones.
void zespoly::pokaznastepnymecz() const {
    drukuj("Nastepne mecze:\n");
    int pokazane = 0;
    for (int r = nr_kolejki; r <= nr_kolejki + okno - 1 && r <= ostatnia_runda; ++r) {
        const bool rewanz = puchar % 2 == 0;
        const bool rozegrany = mecz_pucharowy == 1 && r == nr_kolejki;
        if (puchar >= 1 && puchar <= final_rewanz && r % 2 == 0 && !(rewanz && pokazane == 1) &&
            !rozegrany) {
            drukuj("%s", miejsce_meczu((puchar + pokazane) % 2));
            if (puchar == final_rewanz) {
                drukuj("final pucharu polski! z ");
            } else {
                drukuj("w 1/%d pucharu polski z ", 64 >> ((puchar - 1) / 2));
            }
            const int liga = rywal_pucharu / druzyn;
            const int slot = rywal_pucharu % druzyn;
            drukuj("%s (%d liga %d miejsce) ", nazwa[liga][slot], liga + 1,
                   ktoremiejsce(liga, slot));
            if (rewanz) drukuj("( %d:%d )", dwumecz_stracone, dwumecz_zdobyte);
            drukuj("\n");
            pokazane = 1;
        }
        int gdzie = 0;
        const int rywal = zkimmecz(&gdzie, r);
        drukuj("%sw lidze z %s (%d liga %d miejsce) \n", miejsce_meczu(gdzie),
               nazwa[twojaliga][rywal], twojaliga + 1, ktoremiejsce(twojaliga, rywal));
    }
}
