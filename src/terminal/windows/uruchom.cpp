#include <windows.h>

#include <cstdlib>
#include <exception>
#include <string>

#include "jezyk/jezyk.h"
#include "terminal/okno.h"
#include "terminal/okno_bazowe.h"
#include "terminal/okno_tekstowe.h"
#include "terminal/windows/okno_czytnika.h"
#include "terminal/windows/okno_windows.h"
#include "terminal/windows/przerwania.h"

namespace {
// The status cmd.exe shows for a program ended by Ctrl-C.
constexpr DWORD przerwany_ctrl_c = 0xC000013A;

[[noreturn]] void po_bledzie_krytycznym() {
    oddaj_konsole();
    na_stderr(_("blad krytyczny, gra przerwana"));
    std::abort();
}

LONG WINAPI po_awarii(EXCEPTION_POINTERS*) {
    oddaj_konsole();
    return EXCEPTION_CONTINUE_SEARCH;
}
}  // namespace

// Windows players seldom set the variables; the interface language speaks for them.
void wybierz_jezyk() {
    if (const auto kod = jezyk_z_otoczenia()) return ustaw_jezyk(*kod);
    char kod[LOCALE_NAME_MAX_LENGTH] = "";
    GetLocaleInfoA(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT), LOCALE_SISO639LANGNAME, kod,
                   LOCALE_NAME_MAX_LENGTH);
    ustaw_jezyk(kod);
}

bool sprawdz_terminal(std::string* blad) {
    DWORD tryb = 0;
    // Lines may go anywhere; keys need the console.
    if (!GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &tryb) ||
        (!tryb_czytnika() && !GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &tryb))) {
        *blad = _("gra potrzebuje konsoli: uruchom ja w oknie konsoli, bez przekierowan");
        return false;
    }
    return true;
}

int w_oknie(void (*gra)()) {
    std::set_terminate(po_bledzie_krytycznym);
    SetUnhandledExceptionFilter(po_awarii);
    przejmij_przerwania();
    bool przerwana = false;
    std::string blad;
    try {
        graj_w_oknie<okno_windows, okno_czytnika>(gra);
    } catch (const przerwanie&) {
        przerwana = true;
    } catch (const std::exception& e) {
        blad = e.what();
    }
    konsola_oddana();
    if (przerwana) return static_cast<int>(przerwany_ctrl_c);
    return status_po_bledzie(blad);
}
