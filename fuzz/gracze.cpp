#include "squad/gracze.h"
#include "fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    fuzz::w_obie_strony<gracze>(dane, rozmiar);
    return 0;
}
