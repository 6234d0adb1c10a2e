#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "liga_testowa.h"
#include "terminal/konsola.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"

namespace {
// Plays the season end with every strength drift at its lowest and then the given cup draws;
// returns the last screen.
std::string koniec(std::initializer_list<int> losowania_pucharu, skrypt& s) {
    std::vector<int> los(54, 0);
    los.insert(los.end(), losowania_pucharu);
    podrzuc(los);
    s.dodaj("     ");
    DR.koniecsezonu();
    EXPECT_EQ(s.pozostalo(), 0u);
    EXPECT_EQ(podrzuconych(), 0u);
    return s.migawki().back().tekst();
}

// Slot s of every tier gets 17 - s points, so slot order is the final order.
void wg_slotow() {
    for (int t = 0; t < 3; ++t)
        for (int s = 0; s < 18; ++s) DR.punkty[t][s] = 17 - s;
}
}  // namespace

TEST(KoniecSezonu, FourUpFourDownAtEachBoundaryWithTheUsersMessages) {
    struct {
        int liga, slot, nowa_liga, nowy_slot;
        const char* komunikat;
    } const ruchy[] = {{2, 2, 1, 15, "PZPN gratuluje awansu!"},
                       {1, 16, 2, 1, "To straszne! spadasz do 3 ligi"},
                       {1, 0, 0, 17, "PZPN gratuluje awansu!"},
                       {0, 14, 1, 3, "To straszne! spadasz do 2 ligi!"},
                       {0, 0, 0, 0, nullptr},
                       {1, 8, 1, 8, nullptr},
                       {2, 15, 2, 15, nullptr}};
    for (const auto& r : ruchy) {
        liga_testowa();
        wg_slotow();
        DR.twojaliga = r.liga;
        DR.twojadruzyna = r.slot;
        const std::string klub = nazwa_klubu(r.liga, r.slot);
        skrypt s;
        const std::string ekran = koniec({0}, s);
        EXPECT_EQ(DR.twojaliga * 18 + DR.twojadruzyna, r.nowa_liga * 18 + r.nowy_slot) << klub;
        EXPECT_EQ(nazwa_klubu(DR.twojaliga, DR.twojadruzyna), klub);
        const bool komunikat = ekran.find("PZPN") != ekran.find("straszne");  // npos when neither
        EXPECT_EQ(komunikat, r.komunikat != nullptr) << klub;
        EXPECT_NE(ekran.find(r.komunikat ? r.komunikat : ""), std::string::npos) << klub;
    }
    // Places 1-4 below swap with places 18-15 above; strength travels and drifts by the new tier.
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(nazwa_klubu(1, 17 - i), "L2K" + std::to_string(i));
        EXPECT_EQ(nazwa_klubu(2, i), "L1K" + std::to_string(17 - i));
        EXPECT_EQ(nazwa_klubu(0, 17 - i), "L1K" + std::to_string(i));
        EXPECT_EQ(nazwa_klubu(1, i), "L0K" + std::to_string(17 - i));
        EXPECT_EQ(DR.sila[1][17 - i], 20 + i - 3);
    }
}

TEST(KoniecSezonu, LevelPointsAtTheZoneEdgeAreSplitBySlot) {
    liga_testowa();
    wg_slotow();
    DR.punkty[1][13] = DR.punkty[1][14] = 4;
    DR.strzelone[1][14] = 30;  // the better goal difference does not help
    DR.punkty[2][3] = DR.punkty[2][4] = 14;
    DR.stracone[2][3] = 30;
    skrypt s;
    koniec({0}, s);
    EXPECT_EQ(nazwa_klubu(1, 13), "L1K13");
    EXPECT_EQ(nazwa_klubu(2, 3), "L1K14");
    EXPECT_EQ(nazwa_klubu(1, 14), "L2K3");
    EXPECT_EQ(nazwa_klubu(2, 4), "L2K4");
}

TEST(KoniecSezonu, FreshSeasonScreensStrengthFloorAndCupDraw) {
    liga_testowa();
    DR.sezon = 1995;
    DR.nr_kolejki = 34;
    DR.mecz_pucharowy = 1;
    DR.dwumecz_zdobyte = 5;
    DR.twojaliga = 2;
    DR.twojadruzyna = 12;
    DR.sila[0][8] = 1;
    DR.sila[2][9] = 7;
    for (int t = 0; t < 3; ++t)
        for (int s = 0; s < 18; ++s) DR.zaksieguj(t, s, (s + 1) % 18, 2, 1);
    skrypt s;
    koniec({5, 0}, s);  // the first draw hits the user's own club, 48
    EXPECT_EQ(s.migawki()[0].wiersze[9], "            KONIEC SEZONU");
    EXPECT_EQ(s.migawki()[0].atrybut(12, 9), 129);
    EXPECT_EQ(s.migawki()[1].atrybut(4, 0), 129);
    EXPECT_EQ(s.migawki()[2].atrybut(4, 0), 15);
    EXPECT_EQ(biezacy_ekran().atrybut(), 15);
    EXPECT_EQ(DR.rywal_pucharu, 53);
    EXPECT_EQ(DR.sila[0][8], 5);
    EXPECT_EQ(DR.sila[2][9], 5);
    EXPECT_EQ(DR.sila[0][0], 16);
    EXPECT_EQ(DR.sila[2][10], 28);
    EXPECT_EQ(
        std::vector({DR.sezon, DR.nr_kolejki, DR.puchar, DR.mecz_pucharowy, DR.dwumecz_zdobyte}),
        std::vector({1996, 0, 1, 1, 0}));
    for (int t = 0; t < 3; ++t)
        for (int k = 0; k < 18; ++k)
            EXPECT_EQ(DR.punkty[t][k] + DR.zwyciestwa[t][k] + DR.remisy[t][k] + DR.porazki[t][k] +
                          DR.strzelone[t][k] + DR.stracone[t][k],
                      0);

    s.ustaw_pilota([](const ekran&) { return ' '; });
    s.zapisuj_migawki(false);
    for (int sezon = 0; sezon < 200; ++sezon) {
        DR.twojaliga = 2;
        DR.twojadruzyna = 11 + sezon % 7;
        DR.koniecsezonu();
        EXPECT_GE(DR.rywal_pucharu, 47);
        EXPECT_NE(DR.rywal_pucharu, 36 + DR.twojadruzyna);
        for (int k = 0; k < 18; ++k) ASSERT_GE(DR.sila[0][k], 5);
    }
}
