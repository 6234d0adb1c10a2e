#include "terminal/curses/okno_curses.h"

#include <curses.h>
#include <langinfo.h>
#include <term.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <ctime>
#include <cwchar>
#include <stdexcept>
#include <string>

#include "terminal/curses/sygnaly.h"
#include "terminal/widok.h"

namespace {
bool curses_dziala = false;

std::string* zbierane = nullptr;
int dopisz(int znak) {
    zbierane->push_back(static_cast<char>(znak));
    return znak;
}

// What ends curses' modes on this terminal, for a crash that cannot call curses any more.
std::string przywrocenie() {
    std::string s;
    zbierane = &s;
    for (const char* nazwa : {"rmkx", "sgr0", "cnorm", "rmcup"}) {
        const char* sekwencja = tigetstr(nazwa);
        if (sekwencja != nullptr && sekwencja != reinterpret_cast<const char*>(-1))
            tputs(sekwencja, 1, dopisz);
    }
    zbierane = nullptr;
    return s + "\r\n";
}

nacisniecie specjalny(wint_t kod) {
    switch (kod) {
        case KEY_UP:
            return {nacisniecie::gora};
        case KEY_DOWN:
            return {nacisniecie::dol};
        case KEY_LEFT:
            return {nacisniecie::lewo};
        case KEY_RIGHT:
            return {nacisniecie::prawo};
        case KEY_ENTER:
            return {nacisniecie::enter};
        case KEY_BACKSPACE:
            return {nacisniecie::cofnij};
        case KEY_RESIZE:
            return {nacisniecie::zmiana_rozmiaru};
        case KEY_PPAGE:
            return {nacisniecie::strona_w_gore};
        case KEY_NPAGE:
            return {nacisniecie::strona_w_dol};
        case KEY_F(1):
            return {nacisniecie::pomoc};
        default:
            return {nacisniecie::inny_specjalny};
    }
}
}  // namespace

okno_curses::okno_curses() {
    // Only the character set: numbers keep the C locale's decimal point on screen and in files.
    std::setlocale(LC_CTYPE, "");
    utf8_ = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
    zapamietaj_terminal();
    if (newterm(nullptr, stdout, stdin) == nullptr)
        throw std::runtime_error("nie mozna przygotowac okna terminala");
    curses_dziala = true;
    cbreak();
    noecho();
    nonl();
    intrflush(stdscr, FALSE);
    keypad(stdscr, TRUE);
    // Escape alone must not hold up the next key for a whole second.
    set_escdelay(25);
    curs_set(1);
    if (has_colors() && start_color() == OK) {
        // Curses ends every update back in pair 0; with the console's plain grey on black as
        // pair 0, blank cells need no colour change of their own (a marker move: ~47 bytes).
        assume_default_colors(COLOR_WHITE, COLOR_BLACK);
        kolorow_ = COLORS;
        pary_ = pary_kolorow(COLOR_PAIRS);
    }
    przejmij_sygnaly(przywrocenie());
}

void zakoncz_okno() {
    if (!curses_dziala) return;
    curses_dziala = false;
    endwin();
    terminal_przywrocony();
}

void okno_curses::sprawdz_przerwanie() {
    sprawdz_sygnal();
}

std::optional<okno_bazowe::odczyt> okno_curses::czytaj(const ekran&) {
    nacisniecie n = nastepne();
    // The player cannot see the game in a window that is too small: such keys are lost.
    if (okno_za_male(COLS, LINES)) return std::nullopt;
    return odczyt{n};
}

void okno_curses::uspij(int milisekundy) {
    timespec zostalo{milisekundy / 1000, (milisekundy % 1000) * 1'000'000L};
    while (nanosleep(&zostalo, &zostalo) != 0 && errno == EINTR) sprawdz_sygnal();
}

nacisniecie okno_curses::nastepne() {
    for (;;) {
        wint_t kod = 0;
        errno = 0;
        int wynik = get_wch(&kod);
        sprawdz_sygnal();
        if (wynik == KEY_CODE_YES) return specjalny(kod);
        if (wynik == OK && kod == 033) return po_escape();
        if (wynik == OK) return {nacisniecie::znak, static_cast<char32_t>(kod)};
        // Any other signal only interrupts the wait; a read that fails otherwise means the
        // terminal is gone, and waiting on it would spin for ever.
        if (errno != EINTR) throw std::runtime_error("terminal przestal przekazywac klawisze");
    }
}

// Escape alone is a key of its own. What the terminal sent with it at once (an Alt-letter, a
// sequence its description lacks) is taken whole, as one key.
nacisniecie okno_curses::po_escape() {
    timeout(0);
    sekwencja_esc sekwencja;
    bool cos_przyszlo = false;
    for (;;) {
        wint_t kod = 0;
        int wynik = get_wch(&kod);
        if (wynik == ERR) break;
        cos_przyszlo = true;
        if (wynik == KEY_CODE_YES || !sekwencja.dalej(static_cast<char32_t>(kod))) break;
    }
    timeout(-1);
    if (!cos_przyszlo) return {nacisniecie::znak, U'\033'};
    return sekwencja.klawisz();
}

void okno_curses::maluj(const ekran& e) {
    int wierszy = 0;
    int kolumn = 0;
    getmaxyx(stdscr, wierszy, kolumn);
    if (okno_za_male(kolumn, wierszy)) {
        prosba();
        return;
    }
    // Every visible cell is written and curses sends only what differs from the last frame.
    widok_.ustaw_wysokosc(wierszy);
    const auto komorki = widok_.komorki(e, kolumn);
    for (int w = 0; w < wierszy; ++w)
        for (int k = 0; k < kolumn; ++k)
            postaw(w, k, komorki[static_cast<std::size_t>(w) * kolumn + k]);
    const auto [x, y] = widok_.kursor(e);
    move(y, x);
    refresh();
}

void okno_curses::prosba() {
    erase();
    attrset(A_NORMAL);
    mvaddstr(0, 0, prosba_o_wieksze_okno());
    refresh();
}

void okno_curses::postaw(int wiersz, int kolumna, const ekran::komorka& k) {
    const wyglad_komorki& w = wyglad_bajtu(k.atrybut);
    wchar_t znak[2] = {static_cast<wchar_t>(k.znak), L'\0'};
    if (k.znak >= 0x80 && (!utf8_ || wcwidth(znak[0]) != 1)) znak[0] = zamiennik_ascii(k.znak);
    cchar_t c;
    setcchar(&c, znak, w.atrybuty, w.para, nullptr);
    mvadd_wch(wiersz, kolumna, &c);
}

const okno_curses::wyglad_komorki& okno_curses::wyglad_bajtu(int atrybut) {
    auto& zapamietany = wyglady_[static_cast<std::size_t>(atrybut & 0xff)];
    if (!zapamietany) {
        wyglad g = wyglad_atrybutu(atrybut, kolorow_);
        wyglad_komorki w{A_NORMAL, 0};
        if (g.pogrubiony) w.atrybuty |= A_BOLD;
        if (g.odwrocony) w.atrybuty |= A_REVERSE;
        if (g.podkreslony) w.atrybuty |= A_UNDERLINE;
        if (kolorow_ >= 8) {
            bool nowa = false;
            const bool zwykla = g.znak == COLOR_WHITE && g.tlo == COLOR_BLACK;
            int para = zwykla ? 0 : pary_.para(g.znak, g.tlo, nowa);
            if (nowa)
                init_pair(static_cast<short>(para), static_cast<short>(g.znak),
                          static_cast<short>(g.tlo));
            w.para = static_cast<short>(para);
        }
        zapamietany = w;
    }
    return *zapamietany;
}
