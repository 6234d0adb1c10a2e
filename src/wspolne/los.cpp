#include "wspolne/los.h"

#include <cstdio>
#include <cstdlib>
#include <deque>

namespace {
std::uint32_t stan = 1;
std::deque<int> podrzucone;

// Set by the build: 1 only in a debugging build that logs every draw.
constexpr bool dziennik = DZIENNIK_LOSOWAN;

// The log goes to the file named by BRAMKOWIEC_LOSOWANIA, else to stderr; one line a draw:
// its number, the value, whether a test scripted it, and the caller.
void zapisz(int wartosc, bool podrzucona, const char* plik, int wiersz, const char* funkcja) {
    static long numer = 0;
    static std::FILE* wyjscie = [] {
        const char* nazwa = std::getenv("BRAMKOWIEC_LOSOWANIA");
        std::FILE* f = nazwa != nullptr ? std::fopen(nazwa, "w") : nullptr;
        return f != nullptr ? f : stderr;
    }();
    std::fprintf(wyjscie, "losuj %ld: %d%s %s:%d %s\n", ++numer, wartosc,
                 podrzucona ? " (podrzucona)" : "", plik, wiersz, funkcja);
    std::fflush(wyjscie);
}
}  // namespace

int losuj(const char* plik, int wiersz, const char* funkcja) {
    const bool podrzucona = !podrzucone.empty();
    int w = 0;
    if (podrzucona) {
        w = podrzucone.front();
        podrzucone.pop_front();
    } else {
        stan = stan * 214013u + 2531011u;
        w = static_cast<int>((stan >> 16) & 0x7fff);
    }
    if (dziennik) zapisz(w, podrzucona, plik, wiersz, funkcja);
    return w;
}

void zasiej(std::uint32_t ziarno) {
    stan = ziarno;
}

void podrzuc(std::initializer_list<int> wartosci) {
    podrzucone.insert(podrzucone.end(), wartosci);
}

void podrzuc(const std::vector<int>& wartosci) {
    podrzucone.insert(podrzucone.end(), wartosci.begin(), wartosci.end());
}

std::size_t podrzuconych() {
    return podrzucone.size();
}

void wyczysc_podrzucone() {
    podrzucone.clear();
}
