#include "terminal/windows/okno_czytnika.h"

#include <stdexcept>
#include <string>

#include "jezyk/jezyk.h"
#include "terminal/windows/klawisze.h"
#include "terminal/windows/przerwania.h"

okno_czytnika::okno_czytnika()
    : okno_tekstowe(N_("Ctrl-C: koniec gry bez zapisu")),
      wejscie_(GetStdHandle(STD_INPUT_HANDLE)),
      wyjscie_(GetStdHandle(STD_OUTPUT_HANDLE)) {
    if (!GetConsoleMode(wejscie_, &tryb_wejscia_))
        throw std::runtime_error(_("nie mozna odczytac trybu konsoli"));
    // Lines may go to a file or a pipe; in the console they are written as its text.
    DWORD tryb_wyjscia = 0;
    konsola_ = GetConsoleMode(wyjscie_, &tryb_wyjscia) != 0;
    // Key events one by one without echo, and Ctrl-C for the handler.
    const DWORD tryb = (tryb_wejscia_ & ~(ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT |
                                          ENABLE_MOUSE_INPUT | ENABLE_VIRTUAL_TERMINAL_INPUT)) |
                       ENABLE_PROCESSED_INPUT;
    if (!SetConsoleMode(wejscie_, tryb)) throw std::runtime_error(_("nie mozna przejac konsoli"));
}

okno_czytnika::~okno_czytnika() {
    SetConsoleMode(wejscie_, tryb_wejscia_);
}

void okno_czytnika::sprawdz_przerwanie() {
    ::sprawdz_przerwanie();
}

std::optional<okno_bazowe::odczyt> okno_czytnika::czytaj(const ekran& e) {
    for (;;) {
        INPUT_RECORD r{};
        DWORD przeczytane = 0;
        const bool przeczytano = ReadConsoleInputW(wejscie_, &r, 1, &przeczytane) != 0;
        ::sprawdz_przerwanie();
        if (!przeczytano) throw std::runtime_error(_("konsola przestala przekazywac klawisze"));
        if (przeczytane == 0 || r.EventType != KEY_EVENT || !r.Event.KeyEvent.bKeyDown) continue;
        if (r.Event.KeyEvent.wVirtualKeyCode == VK_F2) {
            powtorz(e);
            return std::nullopt;
        }
        // A held key comes as one event with a count; the game reads each repeat.
        if (auto n = nacisniecie_klawisza(r.Event.KeyEvent.wVirtualKeyCode,
                                          r.Event.KeyEvent.uChar.UnicodeChar))
            return odczyt{*n, r.Event.KeyEvent.wRepeatCount};
    }
}

void okno_czytnika::pisz(std::string_view tekst) {
    std::string wiersze;
    for (char z : tekst) wiersze += z == '\n' ? std::string("\r\n") : std::string(1, z);
    DWORD napisane = 0;
    const auto dlugosc = static_cast<DWORD>(wiersze.size());
    const bool ok = konsola_ ? WriteConsoleA(wyjscie_, wiersze.data(), dlugosc, &napisane, nullptr)
                             : WriteFile(wyjscie_, wiersze.data(), dlugosc, &napisane, nullptr);
    if (!ok) throw std::runtime_error(_("nie mozna pisac na wyjscie"));
}

void okno_czytnika::uspij(int milisekundy) {
    WaitForSingleObject(budzik(), static_cast<DWORD>(milisekundy));
    sprawdz_przerwanie();
}
