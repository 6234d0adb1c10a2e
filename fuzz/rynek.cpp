#include "fuzz.h"
#include "squad/gracze.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    fuzz::nazwy(dane, rozmiar, &gracze::loadrynek, &gracze::rynek);
    return 0;
}
