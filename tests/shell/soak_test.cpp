#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "autopilot.h"
#include "league/zespoly.h"
#include "pomoc/gra_testowa.h"
#include "straznik.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"

TEST(Soak, ThreeHundredSeasonsKeepTheLeaguesTheCupTheMoneyAndTheUsersClubSound) {
    gra_z_danych();
    zasiej(1995);
    skrypt s;
    autopilot pilot(s);
    const std::string nazwa = DR.nazwa[DR.twojaliga][DR.twojadruzyna];
    const int liga = DR.twojaliga;
    bool awans_lub_spadek = false;
    for (int n = 0; n < 300; ++n) {
        // Spells of resting tired players and of playing the same eleven into the ground move
        // the club up and down the tiers.
        pilot.rotuj_sklad(n % 100 < 50);
        // A debt at the top of the range starts charging interest, later the cash starts
        // there too: from then on both ride their limits instead of wrapping around.
        if (n == 100) ST.dlug = INT_MAX - 1000;
        if (n == 200) ST.kasa = INT_MAX - 1000;
        straznik sprawdz;
        const int sezon = DR.sezon;
        // One report is enough: after a failure the rest of the run goes unchecked.
        pilot.rozegraj_sezon(
            [&] { EXPECT_TRUE(HasFailure() ? testing::AssertionSuccess() : sprawdz()); });
        ASSERT_FALSE(HasFailure());
        ASSERT_EQ(DR.sezon, sezon + 1);
        ASSERT_EQ(DR.nazwa[DR.twojaliga][DR.twojadruzyna], nazwa) << "the user follows his club";
        awans_lub_spadek |= DR.twojaliga != liga;
    }
    EXPECT_TRUE(awans_lub_spadek);
    EXPECT_EQ(ST.dlug, INT_MAX);
    EXPECT_EQ(ST.kasa, INT_MIN);
}
