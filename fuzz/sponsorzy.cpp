#include "club/boisko.h"
#include "fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    fuzz::nazwy(dane, rozmiar, &boisko::loadsponsor, &boisko::sponsorzy);
    return 0;
}
