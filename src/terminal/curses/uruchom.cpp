#include <curses.h>
#include <term.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <exception>
#include <string>

#include "jezyk/jezyk.h"
#include "terminal/curses/okno_curses.h"
#include "terminal/curses/okno_czytnika.h"
#include "terminal/curses/sygnaly.h"
#include "terminal/okno.h"
#include "terminal/okno_bazowe.h"
#include "terminal/okno_tekstowe.h"

namespace {
// Whatever way the game ends, curses is ended here.
struct koniec_okna {
    ~koniec_okna() { zakoncz_okno(); }
};

[[noreturn]] void po_bledzie_krytycznym() {
    zakoncz_okno();
    na_stderr(_("blad krytyczny, gra przerwana"));
    std::abort();
}
}  // namespace

void wybierz_jezyk() {
    ustaw_jezyk(jezyk_z_otoczenia().value_or("pl"));
}

bool sprawdz_terminal(std::string* blad) {
    // Lines may go anywhere (a braille program, a file); keys need the terminal.
    if (tryb_czytnika() && !isatty(STDIN_FILENO)) {
        *blad = _("gra potrzebuje klawiatury terminala: uruchom ja bez przekierowania wejscia");
        return false;
    }
    if (tryb_czytnika()) return true;
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
        *blad = _("gra potrzebuje terminala: uruchom ja w oknie terminala, bez przekierowan");
        return false;
    }
    const char* typ = std::getenv("TERM");
    if (typ == nullptr || *typ == '\0') {
        *blad = _("zmienna TERM nie jest ustawiona, nie wiem jaki to terminal");
        return false;
    }
    int powod = 0;
    if (setupterm(typ, STDOUT_FILENO, &powod) != OK) {
        *blad = std::string(_("nieznany typ terminala TERM=")) + typ;
        return false;
    }
    const char* kursor = tigetstr("cup");
    bool umie = kursor != nullptr && kursor != reinterpret_cast<const char*>(-1);
    del_curterm(cur_term);
    if (!umie) *blad = std::string(_("terminal TERM=")) + typ + _(" nie umie ustawiac kursora");
    return umie;
}

std::string wskazowka_plikow() {
    return _(
        "Gra czyta swoje piec plikow z biezacego katalogu: uruchom ja przez make play albo w "
        "katalogu data/.");
}

int odmowa_startu(const std::string& powod) {
    na_stderr(powod);
    return 1;
}

int w_oknie(void (*gra)()) {
    std::set_terminate(po_bledzie_krytycznym);
    int sygnal = 0;
    std::string blad;
    {
        koniec_okna koniec;
        try {
            graj_w_oknie<okno_curses, okno_czytnika>(gra);
        } catch (const przerwanie& p) {
            sygnal = p.sygnal;
        } catch (const std::exception& e) {
            blad = e.what();
        }
    }
    if (sygnal != 0) {
        std::signal(sygnal, SIG_DFL);
        std::raise(sygnal);
    }
    return status_po_bledzie(blad);
}
