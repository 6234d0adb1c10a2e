#include <gtest/gtest.h>

#include <set>
#include <string>

#include "autopilot.h"
#include "league/zespoly.h"
#include "pomoc/gra_testowa.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"

namespace {
// What is wrong with the leagues and the cup after a match day; empty when nothing is.
std::string usterki(const std::string& nazwa) {
    std::string u;
    std::set<std::string> nazwy;
    for (int t = 0; t < zespoly::lig; ++t) {
        long bilans_bramek = 0;
        for (int d = 0; d < zespoly::druzyn; ++d) {
            const std::string klub = " " + std::to_string(t) + "/" + std::to_string(d);
            const int w = DR.zwyciestwa[t][d], r = DR.remisy[t][d];
            if (w + r + DR.porazki[t][d] != DR.nr_kolejki) u += klub + " rounds";
            if (DR.punkty[t][d] != 3 * w + r) u += klub + " points";
            if (DR.sila[t][d] < 5) u += klub + " strength";
            bilans_bramek += DR.strzelone[t][d] - DR.stracone[t][d];
            nazwy.insert(DR.nazwa[t][d]);
        }
        if (bilans_bramek != 0) u += " goals of tier " + std::to_string(t);
    }
    if (nazwy.size() != 54) u += " names";
    if (nazwa != DR.nazwa[DR.twojaliga][DR.twojadruzyna]) u += " the user's club changed";
    if (DR.puchar < 0 || DR.puchar > 14) u += " cup stage";
    if (DR.puchar > 0 && DR.rywal_pucharu == DR.twojaliga * zespoly::druzyn + DR.twojadruzyna) {
        u += " the user meets itself in the cup";
    }
    return u;
}
}  // namespace

TEST(Rozgrywka, TwentySeasonsFromTheShippedDataKeepTheLeaguesAndTheCupConsistent) {
    gra_z_danych();
    zasiej(20260);
    skrypt s;
    autopilot pilot(s);
    const std::string nazwa = DR.nazwa[DR.twojaliga][DR.twojadruzyna];
    std::set<int> ligi{DR.twojaliga};
    for (int n = 0; n < 20; ++n) {
        // Resting tired players keeps the club competitive, so it moves between the tiers;
        // left alone, the same eleven play on with no fitness and no strength left.
        pilot.rotuj_sklad(n < 10);
        const int sezon = DR.sezon;
        pilot.rozegraj_sezon([&] {
            if (testing::Test::HasFailure()) return;
            EXPECT_EQ(usterki(nazwa), "") << DR.sezon << " round " << DR.nr_kolejki;
        });
        ASSERT_FALSE(HasFailure());
        ASSERT_EQ(DR.sezon, sezon + 1);
        ligi.insert(DR.twojaliga);
    }
    EXPECT_GT(ligi.size(), 1u);
}
