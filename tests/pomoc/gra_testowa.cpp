#include "pomoc/gra_testowa.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "shell/start.h"
#include "squad/gracze.h"
#include "terminal/ekran.h"
#include "terminal/klawisze.h"
#include "terminal/konsola.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"

void czysta_gra() {
    DR = zespoly{};
    GR = gracze{};
    zeruj_znacznik_skladu();
    ST = boisko{};
    biezacy_ekran() = ekran{};
    zasiej(1);
    wyczysc_podrzucone();
}

std::string dane(const std::string& plik) {
    return std::string(DANE_DIR) + "/" + plik;
}

void gra_z_danych() {
    czysta_gra();
    std::string blad;
    ASSERT_TRUE(wczytaj_gre(&blad, DANE_DIR)) << blad;
}

std::string zagraj(void (*ekran_gry)(), int klawisz) {
    skrypt s{klawisz};
    s.ustaw_pilota([](const ekran&) { return klawisze::spacja; });
    ekran_gry();
    std::string wszystko;
    for (const migawka& m : s.migawki()) wszystko += m.tekst() + "\n";
    return wszystko + biezacy_ekran().tekst();
}

std::string plik_tymczasowy(const std::string& nazwa) {
    return testing::TempDir() + "bramkowiec-" + std::to_string(::getpid()) + "-" + nazwa;
}

std::string tresc(const std::filesystem::path& sciezka) {
    std::ifstream f(sciezka);
    return {std::istreambuf_iterator<char>(f), {}};
}

katalog_roboczy::katalog_roboczy(const std::string& nazwa, std::initializer_list<const char*> pliki)
    : tu_(plik_tymczasowy(nazwa)) {
    std::filesystem::create_directories(tu_);
    for (const char* plik : pliki) std::filesystem::copy_file(dane(plik), tu_ / plik);
    std::filesystem::current_path(tu_);
}

katalog_roboczy::~katalog_roboczy() {
    std::filesystem::current_path(stary_);
    std::filesystem::remove_all(tu_);
}
