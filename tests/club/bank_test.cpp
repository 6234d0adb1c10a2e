#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "club/klub_testowy.h"

namespace {
const int l = klawisze::lewo, p = klawisze::prawo, g = klawisze::gora, d = klawisze::dol,
          e = klawisze::enter, sp = klawisze::spacja;

void kredyt(int dlug, int kasa, int dni) {
    klub_testowy();
    ST.dlug = dlug;
    ST.kasa = kasa;
    ST.dni_dlugu = dni;
}

bool ma(const migawka& m, const std::string& tekst) {
    return m.tekst().find(tekst) != std::string::npos;
}
}  // namespace

TEST(Bank, TheLoanClockDecidesWhenToRepayAndWhenToBorrow) {
    kredyt(5000, 1000, 9);
    {
        skrypt s{sp};
        ST.bank();
        EXPECT_EQ(s.migawki()[0].tekst(),
                  " B A N K\n\n"
                  " Dlug : 5000\n"
                  " Kasa : 1000\n"
                  " Ile  : 0 (lewo/prawo)\n"
                  " Pobierasz/oddajesz (gora/dol)\n"
                  " Dni do splaty 11\n"
                  ". Za 1 kolejek ligowych, bedziesz mogl zaczac splacac dlug.");
    }
    for (auto [dni, oddaje, pobiera] : {std::tuple{0, false, true},
                                        {1, false, true},
                                        {9, false, true},
                                        {10, true, true},
                                        {19, true, true},
                                        {20, true, false}}) {
        kredyt(50000, 50000, dni);
        skrypt s{p, e, d, e, sp};
        ST.bank();
        const auto& m = s.migawki();
        EXPECT_EQ(ma(m[1], " Oddajesz (enter)"), oddaje) << dni;
        EXPECT_EQ(ma(m[3], " Pobierasz (enter)"), pobiera) << dni;
        EXPECT_EQ(ma(m[0], " Dni do splaty " + std::to_string(20 - dni) + "\n."), dni > 0);
        EXPECT_EQ(ma(m[0], " kolejek ligowych"), dni > 0 && dni < 10);
        const int zmiana = (pobiera ? 10000 : 0) - (oddaje ? 10000 : 0);
        EXPECT_EQ(ST.dlug, 50000 + zmiana) << dni;
        EXPECT_EQ(ST.kasa, 50000 + zmiana) << dni;
        EXPECT_EQ(ST.dni_dlugu, dni);
    }
}

TEST(Bank, ARepaymentIsCutToTheDebtThenToTheCash) {
    kredyt(25000, 12000, 12);
    skrypt s{p, p, p, e, sp};
    ST.bank();
    EXPECT_EQ(ST.dlug, 13000);
    EXPECT_EQ(ST.kasa, 0);
    EXPECT_TRUE(ma(s.migawki().back(), " Ile  : 12000 (lewo/prawo)"));

    kredyt(25000, -500, 12);
    s.dodaj({p, e, sp});
    ST.bank();
    EXPECT_EQ(ST.dlug, 25000);
    EXPECT_EQ(ST.kasa, -500);
    EXPECT_TRUE(ma(s.migawki().back(), " Kasa : -500\n"));
    EXPECT_TRUE(ma(s.migawki().back(), " Ile  : 0 (lewo/prawo)"));
}

TEST(Bank, TheAmountStaysAtZeroOrMoreAndStartsAfreshOnEveryVisit) {
    kredyt(0, 1000, 0);
    skrypt s{l, p, p, l, d, e, e, sp, e, sp};
    ST.bank();
    EXPECT_TRUE(ma(s.migawki()[4], " Ile  : 10000 (lewo/prawo)"));
    EXPECT_EQ(ST.dlug, 20000);
    EXPECT_EQ(ST.kasa, 21000);
    ST.dni_dlugu = 15;
    ST.bank();
    EXPECT_TRUE(ma(s.migawki().back(), " Ile  : 0 (lewo/prawo)"));
    EXPECT_TRUE(ma(s.migawki().back(), " Oddajesz (enter)"));
    EXPECT_EQ(ST.dlug, 20000);
}

TEST(Bank, BorrowingStopsWhereTheCashOrTheDebtWouldLeaveTheirRange) {
    // Enter pressed twice with 10000: what fits is lent, then nothing more.
    for (auto [dlug, kasa, pozyczka] :
         {std::tuple{0, INT_MAX - 5000, 5000}, {INT_MAX - 3000, 0, 3000}, {0, -7, 20000}}) {
        kredyt(dlug, kasa, 0);
        skrypt s{p, d, e, e, sp};
        ST.bank();
        EXPECT_EQ(ST.dlug, dlug + pozyczka);
        EXPECT_EQ(ST.kasa, kasa + pozyczka);
    }
}
