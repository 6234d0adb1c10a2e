#include "terminal/windows/okno_windows.h"

#include <algorithm>
#include <atomic>
#include <stdexcept>

#include "terminal/widok.h"
#include "terminal/windows/klawisze.h"
#include "terminal/windows/obraz.h"
#include "terminal/windows/przerwania.h"

namespace {
// What oddaj_konsole puts back, kept apart from the window object so a crash can reach it.
struct stan_konsoli {
    HANDLE wejscie = INVALID_HANDLE_VALUE;
    HANDLE wyjscie = INVALID_HANDLE_VALUE;
    DWORD tryb_wejscia = 0;
};
stan_konsoli zastany;
std::atomic<bool> przejeta{false};

SMALL_RECT widoczne(HANDLE bufor) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(bufor, &info))
        throw std::runtime_error("konsola nie podaje rozmiaru okna");
    return info.srWindow;
}

int szerokosc_okna(const SMALL_RECT& r) {
    return r.Right - r.Left + 1;
}

int wysokosc_okna(const SMALL_RECT& r) {
    return r.Bottom - r.Top + 1;
}
}  // namespace

okno_windows::okno_windows() : wejscie_(GetStdHandle(STD_INPUT_HANDLE)) {
    zastany.wejscie = wejscie_;
    zastany.wyjscie = GetStdHandle(STD_OUTPUT_HANDLE);
    if (!GetConsoleMode(wejscie_, &zastany.tryb_wejscia))
        throw std::runtime_error("nie mozna odczytac trybu konsoli");
    bufor_ = CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                       CONSOLE_TEXTMODE_BUFFER, nullptr);
    if (bufor_ == INVALID_HANDLE_VALUE)
        throw std::runtime_error("nie mozna przygotowac ekranu konsoli");
    const CONSOLE_CURSOR_INFO kursor{25, TRUE};
    SetConsoleCursorInfo(bufor_, &kursor);
    // Key events one by one without echo, window-size events, and Ctrl-C for the handler.
    const DWORD tryb =
        (zastany.tryb_wejscia & ~(ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT | ENABLE_MOUSE_INPUT |
                                  ENABLE_VIRTUAL_TERMINAL_INPUT)) |
        ENABLE_PROCESSED_INPUT | ENABLE_WINDOW_INPUT;
    if (!SetConsoleMode(wejscie_, tryb) || !SetConsoleActiveScreenBuffer(bufor_)) {
        SetConsoleMode(wejscie_, zastany.tryb_wejscia);
        CloseHandle(bufor_);
        throw std::runtime_error("nie mozna przejac konsoli");
    }
    przejeta = true;
}

okno_windows::~okno_windows() {
    oddaj_konsole();
    CloseHandle(bufor_);
}

void oddaj_konsole() {
    if (!przejeta.exchange(false)) return;
    SetConsoleActiveScreenBuffer(zastany.wyjscie);
    SetConsoleMode(zastany.wejscie, zastany.tryb_wejscia);
}

void okno_windows::sprawdz_przerwanie() {
    ::sprawdz_przerwanie();
}

// A held key comes as one event with a count; the game reads each repeat.
std::optional<okno_bazowe::odczyt> okno_windows::czytaj(const ekran&) {
    const odczyt o = nastepne();
    // The player cannot see the game in a window that is too small: such keys are lost.
    if (za_male()) return std::nullopt;
    return o;
}

void okno_windows::uspij(int milisekundy) {
    WaitForSingleObject(budzik(), static_cast<DWORD>(milisekundy));
    ::sprawdz_przerwanie();
}

bool okno_windows::za_male() const {
    const SMALL_RECT okno = widoczne(bufor_);
    return okno_za_male(szerokosc_okna(okno), wysokosc_okna(okno));
}

void okno_windows::maluj(const ekran& e) {
    const SMALL_RECT okno = widoczne(bufor_);
    const int kolumn = szerokosc_okna(okno);
    const int wierszy = wysokosc_okna(okno);
    widok_.ustaw_wysokosc(wierszy);
    auto obraz = obraz_okna(e, widok_, kolumn, wierszy);
    const bool zmiana = obraz.size() != ostatni_.size() || okno.Left != ostatnie_okno_.Left ||
                        okno.Top != ostatnie_okno_.Top ||
                        !std::equal(obraz.begin(), obraz.end(), ostatni_.begin(),
                                    [](const CHAR_INFO& a, const CHAR_INFO& b) {
                                        return a.Char.UnicodeChar == b.Char.UnicodeChar &&
                                               a.Attributes == b.Attributes;
                                    });
    // An unchanged frame is not sent again: a slow console (wine's) would redraw it all.
    if (zmiana) {
        SMALL_RECT cel = okno;
        WriteConsoleOutputW(bufor_, obraz.data(),
                            {static_cast<SHORT>(kolumn), static_cast<SHORT>(wierszy)}, {0, 0},
                            &cel);
        ostatni_ = std::move(obraz);
        ostatnie_okno_ = okno;
    }
    const COORD kursor = kursor_okna(e, widok_, kolumn, wierszy);
    SetConsoleCursorPosition(bufor_, {static_cast<SHORT>(okno.Left + kursor.X),
                                      static_cast<SHORT>(okno.Top + kursor.Y)});
}

okno_bazowe::odczyt okno_windows::nastepne() {
    for (;;) {
        INPUT_RECORD r{};
        DWORD przeczytane = 0;
        const bool przeczytano = ReadConsoleInputW(wejscie_, &r, 1, &przeczytane) != 0;
        sprawdz_przerwanie();
        if (!przeczytano) throw std::runtime_error("konsola przestala przekazywac klawisze");
        if (przeczytane == 0) continue;
        if (r.EventType == WINDOW_BUFFER_SIZE_EVENT) return {{nacisniecie::zmiana_rozmiaru}, 1};
        if (r.EventType != KEY_EVENT || !r.Event.KeyEvent.bKeyDown) continue;
        auto n = nacisniecie_klawisza(r.Event.KeyEvent.wVirtualKeyCode,
                                      r.Event.KeyEvent.uChar.UnicodeChar);
        if (n) return {*n, r.Event.KeyEvent.wRepeatCount};
    }
}
