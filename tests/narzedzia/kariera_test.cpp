#include "kariera.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

namespace {

std::map<std::string, std::string> klucze(const std::string& podsumowanie) {
    std::map<std::string, std::string> k;
    std::istringstream in(podsumowanie);
    for (std::string linia; std::getline(in, linia);) {
        const auto dwukropek = linia.find(": ");
        if (dwukropek != std::string::npos)
            k[linia.substr(0, dwukropek)] = linia.substr(dwukropek + 2);
    }
    return k;
}

wynik_sezonu sezon(int miejsce, int liga, int kasa, bool puchar = false) {
    return {1995, miejsce, liga, liga, kasa, puchar};
}

}  // namespace

// Three seeds: one climbs to the top tier in its third season and wins it, one reaches the
// second tier and the cup, one stays down in debt.
TEST(Kariera, SummaryCountsSeedsOnceAndSeasonsEach) {
    kariera k;
    k.nowe_ziarno();
    for (const auto& w : {sezon(2, 2, 100), sezon(3, 1, 200), sezon(1, 0, 300), sezon(1, 0, 50)}) {
        k.dodaj(w);
    }
    k.kasa(9000);
    k.nowe_ziarno();
    for (const auto& w : {sezon(4, 2, 10, true), sezon(9, 1, 20, true), sezon(1, 1, 30)})
        k.dodaj(w);
    k.nowe_ziarno();
    for (const auto& w : {sezon(18, 2, -5), sezon(17, 2, -6), sezon(10, 2, 7)}) k.dodaj(w);
    EXPECT_EQ(k.podsumowanie(),
              "first_season_mean_place: 8.00\n"
              "first_season_cash_ok_share: 0.667\n"
              "reached_tier2_share: 0.667\n"
              "reached_tier1_share: 0.333\n"
              "tier1_median_season: 3\n"
              "title_share: 0.333\n"
              "cup_share: 0.333\n"
              "debt_season_share: 0.200\n"
              "max_cash: 9000\n");
}

TEST(Kariera, MedianOfAnEvenCountLiesBetweenTheMiddleTwoAndNoArrivalIsNone) {
    kariera k;
    EXPECT_EQ(klucze(k.podsumowanie())["tier1_median_season"], "none");
    for (int pierwszy_w_1 : {2, 5}) {
        k.nowe_ziarno();
        for (int n = 1; n <= 6; ++n) k.dodaj(sezon(5, n >= pierwszy_w_1 ? 0 : 1, 0));
    }
    EXPECT_EQ(klucze(k.podsumowanie())["tier1_median_season"], "3.5");
}

// A career that is always in debt still reports its highest cash, below zero.
TEST(Kariera, HighestCashMayBeNegative) {
    kariera k;
    k.nowe_ziarno();
    k.kasa(-300);
    k.dodaj(sezon(10, 2, -200));
    EXPECT_EQ(klucze(k.podsumowanie())["max_cash"], "-200");
}
