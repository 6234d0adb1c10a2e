#include <gtest/gtest.h>

#include <climits>

#include "liga_testowa.h"
#include "wspolne/los.h"

namespace {
int kibice(int poziom, int los) {
    podrzuc({los});
    return DR.kibicow(poziom);
}
}  // namespace

TEST(Kibice, WorkedValuesAndTheRandomReduction) {
    liga_testowa();
    DR.twojaliga = 2;
    DR.twojadruzyna = 5;
    EXPECT_EQ(kibice(2, 0), 1312);
    EXPECT_EQ(kibice(2, 32767), 1095);
    EXPECT_EQ(kibice(2, 525), 1312);  // the reduction wraps at q = 525
    EXPECT_EQ(kibice(2, 524), 788);
    EXPECT_GT(kibice(1, 0), 1312);
    EXPECT_GT(kibice(0, 0), kibice(1, 0));
    EXPECT_LT(kibice(3, 0), 1312);
    DR.porazki[2][5] = 33;
    DR.nr_kolejki = 33;
    EXPECT_EQ(kibice(3, 0), 376);
    DR.twojaliga = 0;
    DR.nr_kolejki = 0;
    EXPECT_EQ(kibice(2, 0), 15750);
    EXPECT_EQ(podrzuconych(), 0u);
}

TEST(Kibice, RecordRaisesDemandAndHugeDemandTakesTheRawDraw) {
    liga_testowa();
    DR.twojaliga = 2;
    const int bez_wynikow = kibice(2, 0);
    DR.zwyciestwa[2][0] = 3;
    EXPECT_GT(kibice(2, 0), bez_wynikow);
    DR.strzelone[2][0] = 5000;
    const int pelne = kibice(2, 0);
    EXPECT_NEAR(pelne - kibice(2, 32767), 32767, 1);
}

TEST(Kibice, EveryStepIsRoundedToSinglePrecision) {
    // wins, defeats, goals, round, demand; computed in double throughout each is one more
    const int przypadki[][5] = {{5, 0, 10, 6, 12124}, {7, 6, 8, 0, 9124}, {1, 6, 4, 4, 2499}};
    for (const auto& p : przypadki) {
        liga_testowa();
        DR.twojaliga = 2;
        DR.zwyciestwa[2][0] = p[0];
        DR.porazki[2][0] = p[1];
        DR.strzelone[2][0] = p[2];
        DR.nr_kolejki = p[3];
        EXPECT_EQ(kibice(0, 0), p[4]) << p[0] << " " << p[1] << " " << p[2] << " " << p[3];
    }
}

TEST(Kibice, NoDivisionByZeroWhateverThePriceLevelOrRecord) {
    liga_testowa();
    for (int poziom : {100, -100, INT_MAX, INT_MIN}) {
        const int k = kibice(poziom, 32767);
        EXPECT_GE(k, 0) << poziom;
        EXPECT_LT(k, 10) << poziom;
    }
    DR.zwyciestwa[0][0] = INT_MAX;
    DR.strzelone[0][0] = INT_MAX;
    EXPECT_EQ(kibice(0, 0), INT_MAX);
}
