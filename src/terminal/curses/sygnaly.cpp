#include "terminal/curses/sygnaly.h"

#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstring>

namespace {
volatile std::sig_atomic_t odebrany = 0;
volatile std::sig_atomic_t do_przywrocenia = 0;

// Everything the crash handler needs is ready before it can run: it may only call
// async-signal-safe functions.
termios stan_terminala{};
std::array<char, 512> przywrocenie_{};
std::size_t dlugosc_przywrocenia = 0;

constexpr std::array konczace{SIGINT, SIGTERM, SIGHUP};
// SIGQUIT ends with a core dump, like a crash.
constexpr std::array awaryjne{SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGQUIT};
std::array<struct sigaction, awaryjne.size()> poprzednie{};

extern "C" void na_koniec(int sygnal) {
    odebrany = sygnal;
}

extern "C" void na_awarie(int sygnal) {
    if (do_przywrocenia) {
        do_przywrocenia = 0;
        [[maybe_unused]] auto zapisano =
            write(STDOUT_FILENO, przywrocenie_.data(), dlugosc_przywrocenia);
        tcsetattr(STDIN_FILENO, TCSANOW, &stan_terminala);
    }
    // Hand the crash on to whoever handled it before (the default, or a sanitizer's report).
    for (std::size_t i = 0; i < awaryjne.size(); ++i)
        if (awaryjne[i] == sygnal) sigaction(sygnal, &poprzednie[i], nullptr);
    raise(sygnal);
}
}  // namespace

void zapamietaj_terminal() {
    tcgetattr(STDIN_FILENO, &stan_terminala);
}

void przejmij_sygnaly(const std::string& przywrocenie) {
    dlugosc_przywrocenia = std::min(przywrocenie.size(), przywrocenie_.size());
    std::memcpy(przywrocenie_.data(), przywrocenie.data(), dlugosc_przywrocenia);

    struct sigaction a {};
    sigemptyset(&a.sa_mask);
    // No SA_RESTART: the key read must return so the game can unwind.
    a.sa_handler = na_koniec;
    for (int s : konczace) sigaction(s, &a, nullptr);
    a.sa_handler = na_awarie;
    for (std::size_t i = 0; i < awaryjne.size(); ++i) sigaction(awaryjne[i], &a, &poprzednie[i]);
    do_przywrocenia = 1;
}

void terminal_przywrocony() {
    do_przywrocenia = 0;
}

void sprawdz_sygnal() {
    if (odebrany != 0) throw przerwanie{odebrany};
}
