#include "terminal/curses/okno_czytnika.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <stdexcept>
#include <string_view>

#include "jezyk/jezyk.h"
#include "terminal/curses/sygnaly.h"

namespace {
// What F2 sends on the common terminals: xterm and its kin, vt220 and rxvt, the Linux console.
constexpr std::u32string_view powtorzenia[] = {U"OQ", U"[12~", U"[[B"};
// The rest of an escape sequence comes at once; a lone Escape does not wait longer.
constexpr int czekanie_na_sekwencje = 25;
constexpr char32_t obcy = 0xfffd;
}  // namespace

okno_czytnika::okno_czytnika() : okno_tekstowe(N_("Ctrl-C: koniec gry bez zapisu")) {
    zapamietaj_terminal();
    if (tcgetattr(STDIN_FILENO, &poczatkowy_) != 0)
        throw std::runtime_error(_("nie mozna odczytac ustawien terminala"));
    termios surowy = poczatkowy_;
    // Keys one by one and unechoed; Ctrl-C and Ctrl-Z keep their meaning.
    surowy.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
    surowy.c_cc[VMIN] = 1;
    surowy.c_cc[VTIME] = 0;
    if (tcsetattr(STDIN_FILENO, TCSANOW, &surowy) != 0)
        throw std::runtime_error(_("nie mozna ustawic terminala"));
    // A crash has nothing to write back, only the settings to restore.
    przejmij_sygnaly("");
}

okno_czytnika::~okno_czytnika() {
    tcsetattr(STDIN_FILENO, TCSANOW, &poczatkowy_);
    terminal_przywrocony();
}

void okno_czytnika::sprawdz_przerwanie() {
    sprawdz_sygnal();
}

std::optional<okno_bazowe::odczyt> okno_czytnika::czytaj(const ekran& e) {
    auto n = nastepne();
    if (!n) {
        powtorz(e);
        return std::nullopt;
    }
    return odczyt{*n};
}

void okno_czytnika::uspij(int milisekundy) {
    timespec zostalo{milisekundy / 1000, (milisekundy % 1000) * 1'000'000L};
    while (nanosleep(&zostalo, &zostalo) != 0 && errno == EINTR) sprawdz_sygnal();
}

void okno_czytnika::pisz(std::string_view tekst) {
    for (std::size_t i = 0; i < tekst.size();) {
        ssize_t n = write(STDOUT_FILENO, tekst.data() + i, tekst.size() - i);
        if (n < 0 && errno == EINTR) {
            sprawdz_sygnal();
            continue;
        }
        if (n <= 0) throw std::runtime_error(_("nie mozna pisac na wyjscie"));
        i += static_cast<std::size_t>(n);
    }
}

int okno_czytnika::bajt(int milisekund) {
    for (;;) {
        sprawdz_sygnal();
        // Waiting for the next key is a plain blocking read; only a sequence's rest is timed.
        pollfd p{STDIN_FILENO, POLLIN, 0};
        if (milisekund >= 0 && poll(&p, 1, milisekund) == 0) return -1;
        unsigned char b = 0;
        ssize_t n = read(STDIN_FILENO, &b, 1);
        if (n == 1) return b;
        // A signal only interrupts the wait; a terminal that is gone would make it spin.
        if (n == 0 || errno != EINTR)
            throw std::runtime_error(_("terminal przestal przekazywac klawisze"));
    }
}

std::optional<nacisniecie> okno_czytnika::nastepne() {
    int b = bajt(-1);
    if (b == 033) {
        sekwencja_esc sekwencja;
        std::u32string znaki;
        for (int z = bajt(czekanie_na_sekwencje); z >= 0; z = bajt(czekanie_na_sekwencje)) {
            znaki += static_cast<char32_t>(z);
            if (!sekwencja.dalej(static_cast<char32_t>(z))) break;
        }
        for (auto p : powtorzenia)
            if (znaki == p) return std::nullopt;
        if (znaki.empty()) return nacisniecie{nacisniecie::znak, U'\033'};
        return sekwencja.klawisz();
    }
    // A character outside ASCII is one key the game does not know, however many bytes.
    if (b >= 0xc0)
        for (int reszta = b >= 0xf0 ? 3 : b >= 0xe0 ? 2 : 1; reszta > 0; --reszta)
            bajt(czekanie_na_sekwencje);
    return nacisniecie{nacisniecie::znak, b >= 0x80 ? obcy : static_cast<char32_t>(b)};
}
