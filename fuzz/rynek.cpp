#include <cstring>

#include "fuzz.h"
#include "squad/gracze.h"

// An accepted name file fills every entry with a word of 1 to 14 characters.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    const std::string wejscie = fuzz::plik("rynek");
    fuzz::zapisz(wejscie, dane, rozmiar);
    static gracze g;
    if (!fuzz::wczytane(g, wejscie, &gracze::loadrynek)) return 0;
    for (const auto& nazwa : g.rynek) {
        std::size_t dlugosc = strnlen(nazwa, sizeof nazwa);
        if (dlugosc == 0 || dlugosc >= sizeof nazwa) std::abort();
    }
    return 0;
}
