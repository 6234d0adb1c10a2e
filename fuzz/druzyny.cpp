#include "fuzz.h"
#include "league/zespoly.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    fuzz::w_obie_strony<zespoly>(dane, rozmiar);
    return 0;
}
