#include "terminal/web/okno_web.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "terminal/ekran.h"
#include "terminal/web/klatka.h"
#include "terminal/web/klawisze.h"
#include "terminal/web/most.h"
#include "terminal/web/wymiana.h"

namespace {
// Between two keys the game is idle, so a saved game brought in by the player is taken here.
void przyjmij_wgrany() {
    std::string blad;
    if (wgraj_zapis(strona::katalog_wgrania, "save", &blad))
        strona::komunikat("Wgrano zapis. Wybierz ODCZYT w menu, aby go wczytac.");
    else
        strona::komunikat("Nie wgrano zapisu: " + blad);
    std::error_code e;
    std::filesystem::remove_all(strona::katalog_wgrania, e);
}
}  // namespace

okno_web::okno_web() {
    widok_.ustaw_wysokosc(wierszy_okna);
    // A page has no Ctrl-C to end the game: closing its tab is the way out.
    widok_.ustaw_wyjscie("zamkniecie karty: koniec gry bez zapisu");
    transkrypt_.ustaw_wyjscie("zamkniecie karty: koniec gry bez zapisu  F2: powtorz ekran");
    poprzedni_ = ustaw_terminal(this);
}

okno_web::~okno_web() {
    ustaw_terminal(poprzedni_);
}

int okno_web::klawisz(const ekran& e) {
    for (;;) {
        if (auto bajt = oczekujace_.nastepny()) return *bajt;
        if (!strona::czeka_zdarzenie()) maluj(e);
        const std::string z = strona::zdarzenie();
        if (z == strona::zdarzenie_powtorzenia) {
            powiedz(transkrypt_.calosc(e, {}));
            continue;
        }
        if (z == strona::zdarzenie_wgrania) {
            przyjmij_wgrany();
            continue;
        }
        oczekujace_.przyjmij(nacisniecie_przegladarki(z), widok_, e);
    }
}

void okno_web::czekaj(int milisekundy, const ekran& e) {
    maluj(e);
    if (milisekundy > 0) strona::uspij(milisekundy);
}

void okno_web::maluj(const ekran& e) {
    klatka(e, widok_, klatka_);
    // While the cursor is scrolled out of sight the page shows none.
    const auto kursor = widok_.wiersz_kursora(e);
    strona::rysuj(klatka_, e.kursor_x(), kursor.value_or(-1));
    powiedz(transkrypt_.nowe_linie(e, {}));
}

void okno_web::powiedz(const std::vector<std::string>& linie) {
    const auto tekst = jako_tekst(linie);
    if (!tekst.empty()) strona::powiedz(tekst);
}
