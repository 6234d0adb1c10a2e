#include "wspolne/pieniadze.h"

#include <gtest/gtest.h>

TEST(Pieniadze, ChangesSaturateAtTheSigned32BitLimits) {
    int kasa = 2147483000;
    dodaj(kasa, 1000);
    EXPECT_EQ(kasa, 2147483647);
    dodaj(kasa, -4294967295LL);
    EXPECT_EQ(kasa, -2147483647 - 1);
    dodaj(kasa, 100);
    EXPECT_EQ(kasa, -2147483548);
}
