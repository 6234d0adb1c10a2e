#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "liga_testowa.h"
#include "terminal/ekran.h"
#include "terminal/konsola.h"

namespace {
// The preview's rows after the heading.
std::vector<std::string> zapowiedz() {
    biezacy_ekran() = ekran{};
    DR.pokaznastepnymecz();
    std::vector<std::string> w;
    for (int i = 1; !biezacy_ekran().wiersz(i).empty(); ++i) w.push_back(biezacy_ekran().wiersz(i));
    EXPECT_EQ(biezacy_ekran().wiersz(0), "Nastepne mecze:");
    return w;
}

// User in tier 2 slot 0: round 0 home to slot 17, 1 home to 2, 2 away at 4, 3 home to 6.
const std::vector<std::string> ligowe = {
    "U siebie w lidze z L2K17 (3 liga 18 miejsce)", "U siebie w lidze z L2K2 (3 liga 3 miejsce)",
    "Na wyjezdzie w lidze z L2K4 (3 liga 5 miejsce)", "U siebie w lidze z L2K6 (3 liga 7 miejsce)"};

void liga_z_pucharem(int puchar, int rywal) {
    liga_testowa();
    DR.twojaliga = 2;
    DR.puchar = puchar;
    DR.rywal_pucharu = rywal;
}
}  // namespace

TEST(Zapowiedz, WithoutTheCupFourLeagueLinesFewerAtTheSeasonsEnd) {
    liga_z_pucharem(0, 50);
    EXPECT_EQ(zapowiedz(), ligowe);
    DR.nr_kolejki = 31;
    EXPECT_EQ(zapowiedz().size(), 3u);
    DR.nr_kolejki = 33;
    EXPECT_EQ(zapowiedz().size(), 1u);
}

TEST(Zapowiedz, FirstLegAwayThenReturnLegAtHomeWithoutScores) {
    liga_z_pucharem(1, 50);
    DR.dwumecz_zdobyte = 4;
    const std::string tie = "pucharu polski z L2K14 (3 liga 15 miejsce)";
    EXPECT_EQ(zapowiedz(),
              (std::vector<std::string>{"Na wyjezdzie w 1/64 " + tie, ligowe[0], ligowe[1],
                                        "U siebie w 1/64 " + tie, ligowe[2], ligowe[3]}));
}

TEST(Zapowiedz, JustAfterAFirstLegTheReturnLegShowsItsScoreOnce) {
    liga_z_pucharem(4, 20);
    DR.mecz_pucharowy = 1;
    DR.dwumecz_zdobyte = 1;
    DR.dwumecz_stracone = 2;
    const auto w = zapowiedz();
    ASSERT_EQ(w.size(), 5u);
    EXPECT_EQ(w[0], ligowe[0]);
    EXPECT_EQ(w[2], "U siebie w 1/32 pucharu polski z L1K2 (2 liga 3 miejsce) ( 2:1 )");
    DR.mecz_pucharowy = 0;
    EXPECT_EQ(zapowiedz().size(), 5u);  // announced in round 0 only, not again in round 2
}

TEST(Zapowiedz, StageTexts) {
    const std::pair<int, std::string> etapy[] = {{2, "U siebie w 1/64 "},
                                                 {11, "Na wyjezdzie w 1/2 "},
                                                 {12, "U siebie w 1/2 "},
                                                 {13, "Na wyjezdzie w 1/1 "},
                                                 {14, "U siebie final "}};
    for (const auto& [puchar, poczatek] : etapy) {
        liga_z_pucharem(puchar, 3);
        EXPECT_EQ(zapowiedz()[0].substr(0, poczatek.size()), poczatek) << puchar;
    }
    EXPECT_EQ(zapowiedz()[0], "U siebie final pucharu polski! z L0K3 (1 liga 4 miejsce) ( 0:0 )");
}
