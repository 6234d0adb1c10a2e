#pragma once
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

// Common ground for the tests: a fresh, empty game; the shipped data files; temporary files
// and directories; screens run on scripted keys.

// DR, GR and ST as before start-up, a blank screen in attribute 7, the random source seeded
// with 1 and no scripted values left.
void czysta_gra();
// Path of a shipped data file, e.g. dane("gracze.txt").
std::string dane(const std::string& plik);
// A fresh game loaded from the five shipped data files; fails the test if any is refused.
void gra_z_danych();
// Runs a screen of the game on one key, then on spaces; every screen it showed, joined.
std::string zagraj(void (*ekran_gry)(), int klawisz = ' ');

// A path of the test's own in the temporary directory; the process id keeps runs apart.
std::string plik_tymczasowy(const std::string& nazwa);
// A file's text as the game's text-mode writes put it (lines end in "\n" on Windows too);
// empty when it cannot be read.
std::string tresc(const std::filesystem::path& sciezka);

inline bool ma(const std::string& tekst, const std::string& fragment) {
    return tekst.find(fragment) != std::string::npos;
}

// Whether every fragment is in the text, each first found after the one before it: a missing
// fragment fails, as a bare comparison of two finds would not.
inline bool po_kolei(const std::string& tekst, std::initializer_list<std::string_view> fragmenty) {
    std::size_t poprzedni = 0;
    for (const std::string_view f : fragmenty) {
        const std::size_t gdzie = tekst.find(f);
        if (gdzie == std::string::npos || gdzie < poprzedni) return false;
        poprzedni = gdzie;
    }
    return true;
}

// While it lives the working directory is a fresh temporary one with copies of the named
// shipped data files (and no save slot yet); it is removed afterwards.
class katalog_roboczy {
  public:
    katalog_roboczy(const std::string& nazwa, std::initializer_list<const char*> pliki);
    ~katalog_roboczy();
    katalog_roboczy(const katalog_roboczy&) = delete;
    katalog_roboczy& operator=(const katalog_roboczy&) = delete;

  private:
    std::filesystem::path stary_ = std::filesystem::current_path();
    std::filesystem::path tu_;
};
