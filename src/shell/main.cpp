#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>

#include "shell/menu.h"
#include "shell/start.h"
#include "terminal/okno.h"
#include "wspolne/los.h"

// Arguments are ignored: the game is configured only by its data files.
int main() {
    zasiej(static_cast<std::uint32_t>(std::time(nullptr)));
    std::string blad;
    // The files are checked before the terminal is touched, so a refusal leaves it as it was.
    if (!wczytaj_gre(&blad) || !sprawdz_terminal(&blad)) {
        std::fprintf(stderr, "bramkowiec: %s\n", blad.c_str());
        return 1;
    }
    return w_oknie(menu);
}
