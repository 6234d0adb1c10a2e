#include <cstring>

#include "club/boisko.h"
#include "fuzz.h"

// An accepted name file fills every entry with a word of 1 to 19 characters.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    const std::string wejscie = fuzz::plik("sponsorzy");
    fuzz::zapisz(wejscie, dane, rozmiar);
    static boisko b;
    if (!fuzz::wczytane(b, wejscie, &boisko::loadsponsor)) return 0;
    for (const auto& nazwa : b.sponsorzy) {
        std::size_t dlugosc = strnlen(nazwa, sizeof nazwa);
        if (dlugosc == 0 || dlugosc >= sizeof nazwa) std::abort();
    }
    return 0;
}
