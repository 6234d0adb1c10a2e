#include "club/boisko.h"
#include "fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    fuzz::w_obie_strony<boisko>(dane, rozmiar);
    return 0;
}
