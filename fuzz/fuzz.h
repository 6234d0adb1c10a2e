#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <type_traits>

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

// A refused file must say why in words and leave the object exactly as it was, byte for byte.
template <typename T, typename Wczytaj>
bool wczytane(T& obiekt, const std::string& sciezka, Wczytaj wczytaj) {
    static_assert(std::is_trivially_copyable_v<T>);
    static const T nietkniety{};
    obiekt = nietkniety;
    std::string blad;
    if ((obiekt.*wczytaj)(sciezka.c_str(), &blad)) return true;
    if (blad.empty() || std::memcmp(&obiekt, &nietkniety, sizeof(T)) != 0) std::abort();
    return false;
}

// Loads, and if accepted, saves, reloads into a fresh object and saves again: both saves must
// be identical.
template <typename T>
void w_obie_strony(const std::uint8_t* dane, std::size_t rozmiar) {
    const std::string wejscie = plik("wejscie"), pierwszy = plik("pierwszy"), drugi = plik("drugi");
    zapisz(wejscie, dane, rozmiar);
    static T obiekt;
    if (!wczytane(obiekt, wejscie, &T::load)) return;
    if (!obiekt.save(pierwszy.c_str())) std::abort();
    static T kopia;
    kopia = T{};
    if (!kopia.load(pierwszy.c_str())) std::abort();
    if (!kopia.save(drugi.c_str())) std::abort();
    if (tresc(pierwszy) != tresc(drugi)) std::abort();
}

// Loads a name file and, if accepted, checks that every entry holds a word that fits its field.
template <typename T, typename Wczytaj, std::size_t N, std::size_t M>
void nazwy(const std::uint8_t* dane, std::size_t rozmiar, Wczytaj wczytaj, char (T::*pole)[N][M]) {
    const std::string wejscie = plik("nazwy");
    zapisz(wejscie, dane, rozmiar);
    static T obiekt;
    if (!wczytane(obiekt, wejscie, wczytaj)) return;
    for (const auto& nazwa : obiekt.*pole) {
        const std::size_t dlugosc = strnlen(nazwa, M);
        if (dlugosc == 0 || dlugosc >= M) std::abort();
    }
}

}  // namespace fuzz
