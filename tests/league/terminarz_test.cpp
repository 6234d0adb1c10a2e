#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "liga_testowa.h"

namespace {
std::vector<int> runda(int r) {
    std::vector<int> p(zespoly::druzyn);
    kolejka(p.data(), r, zespoly::druzyn);
    return p;
}
}  // namespace

TEST(Terminarz, ReferenceRounds) {
    EXPECT_EQ(runda(0),
              (std::vector<int>{0, 17, 1, 16, 2, 15, 3, 14, 4, 13, 5, 12, 6, 11, 7, 10, 8, 9}));
    EXPECT_EQ(runda(1),
              (std::vector<int>{17, 1, 0, 2, 16, 3, 15, 4, 14, 5, 13, 6, 12, 7, 11, 8, 10, 9}));
    EXPECT_EQ(runda(2),
              (std::vector<int>{2, 17, 3, 1, 4, 0, 5, 16, 6, 15, 7, 14, 8, 13, 9, 12, 10, 11}));
    EXPECT_EQ(runda(17),
              (std::vector<int>{17, 0, 16, 1, 15, 2, 14, 3, 13, 4, 12, 5, 11, 6, 10, 7, 9, 8}));
}

TEST(Terminarz, DoubleRoundRobinEveryOrderedPairOnceSlot17Alternates) {
    std::set<std::pair<int, int>> mecze;
    int u_siebie[zespoly::druzyn] = {};
    for (int r = 0; r < 34; ++r) {
        auto p = runda(r);
        EXPECT_EQ(std::set<int>(p.begin(), p.end()).size(), 18u) << "round " << r;
        for (int k = 0; k < 18; k += 2) {
            EXPECT_NE(p[k], p[k + 1]);
            EXPECT_TRUE(mecze.insert({p[k], p[k + 1]}).second) << p[k] << "-" << p[k + 1];
            ++u_siebie[p[k]];
            if (p[k] == 17 || p[k + 1] == 17) {
                EXPECT_EQ(p[k] == 17, r % 2 == 1) << "round " << r;
            }
        }
    }
    EXPECT_EQ(mecze.size(), 18u * 17u);
    for (int dom : u_siebie) EXPECT_EQ(dom, 17);
}

TEST(Terminarz, OpponentMirrorsAfter17RoundsInEveryTierAndBadSlotLeavesVenue) {
    liga_testowa();
    DR.twojadruzyna = 17;
    int gdzie = -1;
    EXPECT_EQ(DR.zkimmecz(&gdzie, 0), 0);
    EXPECT_EQ(gdzie, 1);
    EXPECT_EQ(DR.zkimmecz(&gdzie, 1), 1);
    EXPECT_EQ(gdzie, 0);
    for (int s = 0; s < 18; ++s) {
        for (int r = 0; r < 17; ++r) {
            DR.twojadruzyna = s;
            int g1 = -1, g2 = -1, g3 = -1;
            DR.twojaliga = 0;
            const int rywal = DR.zkimmecz(&g1, r);
            EXPECT_NE(rywal, s);
            EXPECT_EQ(DR.zkimmecz(&g2, r + 17), rywal);
            EXPECT_EQ(g2, 1 - g1);
            DR.twojaliga = 2;
            EXPECT_EQ(DR.zkimmecz(&g3, r), rywal);
            EXPECT_EQ(g3, g1);
        }
    }
    DR.twojadruzyna = 18;
    gdzie = 7;
    EXPECT_EQ(DR.zkimmecz(&gdzie, 3), 0);
    EXPECT_EQ(gdzie, 7);
}
