#include "terminal/web/okno_web.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "jezyk/jezyk.h"
#include "shell/pliki_zapisu.h"
#include "terminal/ekran.h"
#include "terminal/web/klatka.h"
#include "terminal/web/klawisze.h"
#include "terminal/web/most.h"
#include "terminal/web/wymiana.h"

namespace {
// Between two keys the game is idle, so a saved game brought in by the player is taken here.
void przyjmij_wgrany() {
    std::string blad;
    if (wgraj_zapis(strona::katalog_wgrania, katalog_zapisu, &blad))
        strona::komunikat(_("Wgrano zapis. Wybierz ODCZYT w menu, aby go wczytac."));
    else
        strona::komunikat(_("Nie wgrano zapisu: ") + blad);
    std::error_code e;
    std::filesystem::remove_all(strona::katalog_wgrania, e);
}
}  // namespace

okno_web::okno_web() {
    widok_.ustaw_wysokosc(wierszy_okna);
    // A page has no Ctrl-C to end the game: closing its tab is the way out.
    widok_.ustaw_wyjscie(N_("zamkniecie karty: koniec gry bez zapisu"));
    transkrypt_.ustaw_wyjscie(
        N_("zamkniecie karty: koniec gry bez zapisu  F1: pomoc  F2: powtorz ekran"));
}

std::optional<okno_bazowe::odczyt> okno_web::czytaj(const ekran& e) {
    if (!strona::czeka_zdarzenie()) maluj(e);
    const std::string z = strona::zdarzenie();
    if (z == strona::zdarzenie_powtorzenia) {
        powiedz(transkrypt_.calosc(e, linie_okna(widok_, e)));
        return std::nullopt;
    }
    if (z == strona::zdarzenie_wgrania) {
        przyjmij_wgrany();
        return std::nullopt;
    }
    if (z.starts_with(strona::zdarzenie_jezyka)) {
        ustaw_jezyk(z.substr(std::string_view(strona::zdarzenie_jezyka).size()));
        return std::nullopt;
    }
    return odczyt{nacisniecie_przegladarki(z)};
}

void okno_web::uspij(int milisekundy) {
    strona::uspij(milisekundy);
}

void okno_web::maluj(const ekran& e) {
    // The message line under the screen repeats the status, whole, as it may be longer than
    // the help line.
    if (e.stan() != stan_) {
        stan_ = e.stan();
        strona::stan(stan_);
    }
    klatka(e, widok_, klatka_);
    // While the cursor is scrolled out of sight the page shows none.
    const auto kursor = widok_.wiersz_kursora(e);
    strona::rysuj(klatka_, e.kursor_x(), kursor.value_or(-1));
    powiedz(transkrypt_.nowe_linie(e, linie_okna(widok_, e)));
}

void okno_web::powiedz(const std::vector<std::string>& linie) {
    const auto tekst = jako_tekst(linie);
    if (!tekst.empty()) strona::powiedz(tekst);
}
