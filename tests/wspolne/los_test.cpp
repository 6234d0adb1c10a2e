#include "wspolne/los.h"

#include <gtest/gtest.h>

#include "wspolne/pieniadze.h"

TEST(Los, SeedOneGivesTheConsoleGeneratorsFirstValues) {
    wyczysc_podrzucone();
    zasiej(1);
    EXPECT_EQ(losuj(), 41);
    EXPECT_EQ(losuj(), 18467);
    EXPECT_EQ(losuj(), 6334);
    zasiej(1);
    EXPECT_EQ(losuj(), 41);
}

TEST(Los, ValuesStayWithin0To32767AndCoverBothEnds) {
    wyczysc_podrzucone();
    zasiej(12345);
    int najmniejsza = 32767, najwieksza = 0;
    for (int i = 0; i < 200000; ++i) {
        int w = losuj();
        ASSERT_GE(w, 0);
        ASSERT_LE(w, 32767);
        najmniejsza = std::min(najmniejsza, w);
        najwieksza = std::max(najwieksza, w);
    }
    EXPECT_EQ(najmniejsza, 0);
    EXPECT_EQ(najwieksza, 32767);
}

TEST(Los, ScriptedValuesComeFirstThenTheGeneratorGoesOnUntouched) {
    wyczysc_podrzucone();
    zasiej(1);
    podrzuc({7, 32767});
    EXPECT_EQ(podrzuconych(), 2u);
    EXPECT_EQ(losuj(), 7);
    EXPECT_EQ(losuj(), 32767);
    EXPECT_EQ(losuj(), 41);
}

TEST(Pieniadze, ChangesSaturateAtTheSigned32BitLimits) {
    int kasa = 2147483000;
    dodaj(kasa, 1000);
    EXPECT_EQ(kasa, 2147483647);
    dodaj(kasa, -4294967295LL);
    EXPECT_EQ(kasa, -2147483647 - 1);
    dodaj(kasa, 100);
    EXPECT_EQ(kasa, -2147483548);
}
