#include "terminal/okno_tekstowe.h"

#include <cstdlib>

#include "jezyk/jezyk.h"

okno_tekstowe::okno_tekstowe(std::string wyjscie) {
    transkrypt_.ustaw_wyjscie(_(wyjscie.c_str()) +
                              std::string(_("  F1: pomoc  F2: powtorz ekran")));
}

void okno_tekstowe::maluj(const ekran& e) {
    powiedz(transkrypt_.nowe_linie(e, linie_okna(widok_, e)));
}

void okno_tekstowe::powtorz(const ekran& e) {
    powiedz(transkrypt_.calosc(e, linie_okna(widok_, e)));
}

void okno_tekstowe::powiedz(const std::vector<std::string>& linie) {
    const auto tekst = jako_tekst(linie);
    if (!tekst.empty()) pisz(tekst);
}

bool tryb_czytnika() {
    const char* tryb = std::getenv("BRAMKOWIEC_CZYTNIK");
    return tryb != nullptr && std::string_view(tryb) == "1";
}
