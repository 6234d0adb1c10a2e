#include <algorithm>
#include <string>

#include "jezyk/jezyk.h"
#include "terminal/okno.h"
#include "terminal/okno_bazowe.h"
#include "terminal/web/most.h"
#include "terminal/web/okno_web.h"

// The page's texts are translated from the same catalogues: it gets them before anything is
// shown.
void wybierz_jezyk() {
    for (const std::string& kod : jezyki()) {
        for (const auto& [polskie, przetlumaczone] : katalog_jezyka(kod))
            strona::slowo(kod, polskie, przetlumaczone);
    }
    ustaw_jezyk(strona::jezyk());
}

// The page always has its grid; there is nothing to refuse.
bool sprawdz_terminal(std::string*) {
    return true;
}

// The five files are embedded in the module: only a broken download can lose one.
std::string wskazowka_plikow() {
    return _("Pliki gry sa czescia strony: zaladuj ja ponownie.");
}

// The browser's console is no place for the player: the reason goes under the game's screen,
// on the one line there.
int odmowa_startu(const std::string& powod) {
    na_stderr(powod);
    std::string wiersz = powod;
    std::replace(wiersz.begin(), wiersz.end(), '\n', ' ');
    strona::komunikat(_("bramkowiec: ") + wiersz);
    return 1;
}

// Built without exception catching (smaller and faster under Asyncify): a fatal error aborts
// the module and the page's onAbort tells the player.
int w_oknie(void (*gra)()) {
    okno_web okno;
    gra();
    return 0;
}
