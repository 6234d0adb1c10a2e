#include "terminal/web/okno_web.h"

#include <string>
#include <system_error>

#include "terminal/ekran.h"
#include "terminal/web/klatka.h"
#include "terminal/web/klawisze.h"
#include "terminal/web/most.h"
#include "terminal/web/wymiana.h"
#include "terminal/widok.h"

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
    poprzedni_ = ustaw_terminal(this);
}

okno_web::~okno_web() {
    ustaw_terminal(poprzedni_);
}

int okno_web::klawisz(const ekran& e) {
    for (;;) {
        if (!oczekujace_.empty()) {
            const int bajt = oczekujace_.front();
            oczekujace_.pop_front();
            return bajt;
        }
        if (!strona::czeka_zdarzenie()) maluj(e);
        const std::string z = strona::zdarzenie();
        if (z == strona::zdarzenie_wgrania) {
            przyjmij_wgrany();
            continue;
        }
        const auto bajty = bajty_konsoli(nacisniecie_przegladarki(z));
        oczekujace_.assign(bajty.begin(), bajty.end());
    }
}

void okno_web::czekaj(int milisekundy, const ekran& e) {
    maluj(e);
    if (milisekundy > 0) strona::uspij(milisekundy);
}

void okno_web::maluj(const ekran& e) {
    klatka(e, wierszy_klatki(e, wierszy_okna), klatka_);
    strona::rysuj(klatka_, pierwszy_widoczny(e.kursor_y(), wierszy_okna), e.kursor_x(),
                  e.kursor_y());
}
