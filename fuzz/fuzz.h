#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

// Every fuzz target writes the input to a file, loads it with one loader and, when the loader
// accepts it, checks that saving and loading again gives the very same file.
namespace fuzz {

inline std::string plik(const char* nazwa) {
    return "/tmp/bramkowiec-fuzz-" + std::to_string(getpid()) + "-" + nazwa;
}

inline void zapisz(const std::string& sciezka, const std::uint8_t* dane, std::size_t rozmiar) {
    std::ofstream(sciezka, std::ios::binary)
        .write(reinterpret_cast<const char*>(dane), static_cast<std::streamsize>(rozmiar));
}

inline std::string tresc(const std::string& sciezka) {
    std::ifstream f(sciezka, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

// Loads, and if accepted, saves, reloads into a fresh object and saves again: both saves must
// be identical.
template <typename T>
void w_obie_strony(const std::uint8_t* dane, std::size_t rozmiar) {
    const std::string wejscie = plik("wejscie"), pierwszy = plik("pierwszy"), drugi = plik("drugi");
    zapisz(wejscie, dane, rozmiar);
    static T obiekt;
    obiekt = T{};
    if (!obiekt.load(wejscie.c_str())) return;
    if (!obiekt.save(pierwszy.c_str())) std::abort();
    static T kopia;
    kopia = T{};
    if (!kopia.load(pierwszy.c_str())) std::abort();
    if (!kopia.save(drugi.c_str())) std::abort();
    if (tresc(pierwszy) != tresc(drugi)) std::abort();
}

}  // namespace fuzz
