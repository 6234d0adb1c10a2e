#include <string>

#include "terminal/okno.h"
#include "terminal/web/okno_web.h"

// The page always has its grid; there is nothing to refuse.
bool sprawdz_terminal(std::string*) {
    return true;
}

// Built without exception catching (smaller and faster under Asyncify): a fatal error aborts
// the module and the page's onAbort tells the player.
int w_oknie(void (*gra)()) {
    okno_web okno;
    gra();
    return 0;
}
