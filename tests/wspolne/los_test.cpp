#include "wspolne/los.h"

#include <gtest/gtest.h>

#include <array>

TEST(Los, ConsoleGeneratorValuesInRangeAndScriptedValuesFirst) {
    wyczysc_podrzucone();
    zasiej(1);
    podrzuc({7, 32767});
    EXPECT_EQ((std::array{losuj(), losuj(), losuj(), losuj(), losuj()}),
              (std::array{7, 32767, 41, 18467, 6334}));
    std::array<bool, 32768> widziane{};
    for (int i = 0; i < 1 << 20; ++i) widziane.at(losuj()) = true;
    EXPECT_TRUE(widziane[0] && widziane[32767]);
}
