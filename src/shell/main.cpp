#include <cstdint>
#include <ctime>
#include <string>

#include "shell/blokada.h"
#include "shell/menu.h"
#include "shell/start.h"
#include "terminal/okno.h"
#include "wspolne/los.h"

// Arguments are ignored: the game is configured only by its data files.
int main() {
    zasiej(static_cast<std::uint32_t>(std::time(nullptr)));
    std::string blad;
    // The files are checked before the terminal is touched, so a refusal leaves it as it was.
    if (!zablokuj_folder(&blad) || !wczytaj_gre(&blad, "", wskazowka_plikow()) ||
        !sprawdz_terminal(&blad)) {
        return odmowa_startu(blad);
    }
    return w_oknie(menu);
}
