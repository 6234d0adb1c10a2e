#include <gtest/gtest.h>

#include <set>
#include <string>

#include "autopilot.h"
#include "league/zespoly.h"
#include "pomoc/gra_testowa.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"

namespace {
using testing::AssertionFailure;
using testing::AssertionResult;
using testing::AssertionSuccess;

std::string klub(int liga, int druzyna) {
    return std::to_string(liga) + "/" + std::to_string(druzyna) + " " + DR.nazwa[liga][druzyna];
}

AssertionResult tabele_zgodne() {
    for (int t = 0; t < zespoly::lig; ++t) {
        long strzelone = 0;
        long stracone = 0;
        for (int d = 0; d < zespoly::druzyn; ++d) {
            const int w = DR.zwyciestwa[t][d];
            const int r = DR.remisy[t][d];
            if (w + r + DR.porazki[t][d] != DR.nr_kolejki) {
                return AssertionFailure() << klub(t, d) << " played a different number of rounds";
            }
            if (DR.punkty[t][d] != 3 * w + r) return AssertionFailure() << klub(t, d) << " points";
            strzelone += DR.strzelone[t][d];
            stracone += DR.stracone[t][d];
        }
        if (strzelone != stracone) return AssertionFailure() << "tier " << t << " goals";
    }
    return AssertionSuccess();
}

AssertionResult kluby_i_puchar_zgodne(const std::string& nazwa) {
    std::set<std::string> nazwy;
    for (const auto& liga : DR.nazwa) {
        for (const auto& n : liga) nazwy.insert(n);
    }
    if (nazwy.size() != 54) return AssertionFailure() << nazwy.size() << " distinct names";
    if (nazwa != DR.nazwa[DR.twojaliga][DR.twojadruzyna]) {
        return AssertionFailure() << "the user's club became "
                                  << klub(DR.twojaliga, DR.twojadruzyna);
    }
    if (DR.puchar < 0 || DR.puchar > 14) return AssertionFailure() << "cup stage " << DR.puchar;
    if (DR.puchar > 0 && DR.rywal_pucharu == DR.twojaliga * zespoly::druzyn + DR.twojadruzyna) {
        return AssertionFailure() << "the user meets itself in the cup";
    }
    return AssertionSuccess();
}

AssertionResult sily_po_sezonie() {
    for (int t = 0; t < zespoly::lig; ++t) {
        for (int d = 0; d < zespoly::druzyn; ++d) {
            if (DR.sila[t][d] < 5) return AssertionFailure() << klub(t, d) << " " << DR.sila[t][d];
        }
    }
    return AssertionSuccess();
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
            EXPECT_TRUE(tabele_zgodne()) << "season " << DR.sezon << " round " << DR.nr_kolejki;
            EXPECT_TRUE(kluby_i_puchar_zgodne(nazwa)) << "season " << DR.sezon;
        });
        ASSERT_FALSE(HasFailure());
        ASSERT_EQ(DR.sezon, sezon + 1);
        ASSERT_TRUE(sily_po_sezonie()) << "after season " << sezon;
        ligi.insert(DR.twojaliga);
    }
    // The name check above covered the club's moves between the tiers.
    EXPECT_GT(ligi.size(), 1u);
}
