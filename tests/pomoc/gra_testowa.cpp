#include "pomoc/gra_testowa.h"

#include <gtest/gtest.h>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "squad/gracze.h"
#include "terminal/ekran.h"
#include "terminal/konsola.h"
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
    ASSERT_TRUE(DR.load(dane("druzyny-1995.txt").c_str(), &blad)) << blad;
    ASSERT_TRUE(GR.load(dane("gracze.txt").c_str(), &blad)) << blad;
    ASSERT_TRUE(GR.loadrynek(dane("rynek.txt").c_str(), &blad)) << blad;
    ASSERT_TRUE(ST.load(dane("stadion.txt").c_str(), &blad)) << blad;
    ASSERT_TRUE(ST.loadsponsor(dane("sponsorzy.txt").c_str(), &blad)) << blad;
    GR.oferty = 0;
}
