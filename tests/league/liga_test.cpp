#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <fstream>
#include <set>

#include "league/zespoly.h"
#include "pomoc/gra_testowa.h"
#include "terminal/konsola.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"

namespace {
// A fresh game whose clubs are named "L<tier>K<slot>", strength 20 + slot, 17 - slot points.
void liga_testowa() {
    czysta_gra();
    for (int t = 0; t < zespoly::lig; ++t)
        for (int s = 0; s < zespoly::druzyn; ++s) {
            std::snprintf(DR.nazwa[t][s], sizeof DR.nazwa[t][s], "L%dK%d", t, s);
            DR.sila[t][s] = 20 + s, DR.punkty[t][s] = 17 - s;
        }
}

std::string zapowiedz() {
    biezacy_ekran() = ekran{};
    DR.pokaznastepnymecz();
    return biezacy_ekran().tekst();
}

// The season end with every strength drift at its lowest; returns the last screen.
std::string koniec(std::vector<int> los_pucharu) {
    los_pucharu.insert(los_pucharu.begin(), 54, 0);
    podrzuc(los_pucharu);
    skrypt s{' ', ' ', ' ', ' ', ' '};
    DR.koniecsezonu();
    EXPECT_EQ(s.pozostalo() + podrzuconych(), 0u);
    return s.migawki().back().tekst();
}
}  // namespace

TEST(Terminarz, ReferenceRoundsEveryOrderedPairOnceMirrorAfter17AndSlot17Alternates) {
    const std::vector<int> wzorce[] = {
        {0, 17, 1, 16, 2, 15, 3, 14, 4, 13, 5, 12, 6, 11, 7, 10, 8, 9},
        {17, 1, 0, 2, 16, 3, 15, 4, 14, 5, 13, 6, 12, 7, 11, 8, 10, 9},
        {2, 17, 3, 1, 4, 0, 5, 16, 6, 15, 7, 14, 8, 13, 9, 12, 10, 11},
        {17, 0, 16, 1, 15, 2, 14, 3, 13, 4, 12, 5, 11, 6, 10, 7, 9, 8}};
    std::set<std::pair<int, int>> mecze;
    for (int r = 0; r <= zespoly::ostatnia_kolejka; ++r) {
        std::vector<int> p(zespoly::druzyn);
        kolejka(p.data(), r, zespoly::druzyn);
        EXPECT_TRUE((r > 2 && r != 17) || p == wzorce[std::min(r, 3)]) << r;
        EXPECT_EQ(std::find(p.begin(), p.end(), 17) - p.begin(), 1 - r % 2) << r;
        for (int k = 0; k < 18; ++k) {
            if (k % 2 == 0 && p[k] != p[k + 1]) mecze.insert({p[k], p[k + 1]});
            DR.twojaliga = k % 3, DR.twojadruzyna = p[k];  // the same schedule in every tier
            int gdzie = -1, rewanz = -1;                   // the return leg swaps the venue
            EXPECT_EQ(DR.zkimmecz(&gdzie, r), p[k ^ 1]);
            EXPECT_EQ(DR.zkimmecz(&rewanz, (r + 17) % 34), p[k ^ 1]);
            EXPECT_EQ(std::pair(gdzie, rewanz), std::pair(k % 2, 1 - k % 2)) << r << " " << k;
        }
    }
    EXPECT_EQ(mecze.size(), 18u * 17u);
}

TEST(Tabela, TiesGoBySlotAndTheScreenBandsTheZonesAndTheUsersRow) {
    liga_testowa();
    DR.twojaliga = 2, DR.twojadruzyna = 9;
    DR.punkty[2][9] = DR.punkty[2][4] = 18, DR.strzelone[2][9] = 10;  // goals do not count
    skrypt s{' '};
    DR.tabela(2);
    const migawka& m = s.migawki().at(0);
    EXPECT_EQ(m.wiersze[2].substr(20, 5) + m.wiersze[3].substr(20, 5) + m.wiersze[4].substr(20, 5),
              " L2K4 L2K9 L2K0");
    for (int p = 0; p < 18; ++p)
        EXPECT_EQ(m.atrybut(0, p + 2), p == 1 ? 33 : (p < 4 || p >= 14 ? 79 : 15)) << p + 1;
}

TEST(Runda, EveryOtherPairPlaysOnceAndTheTablesStayConsistent) {
    liga_testowa();
    DR.nr_kolejki = 5, DR.twojaliga = 1, DR.twojadruzyna = 6;
    int gdzie, rywal = DR.zkimmecz(&gdzie, 5);  // the match day plays this one
    skrypt s{' ', ' ', ' '};
    for (int t = 0; t < 3; ++t) {
        DR.graj(t);
        EXPECT_EQ(std::ranges::count(s.migawki().at(t).tekst(), '\n'),
                  2 * (t == 1 ? 8 : 9));  // double-spaced
        int bilans = 0;
        for (int k = 0; k < 18; ++k) {
            const bool wolny = t == 1 && (k == 6 || k == rywal);
            EXPECT_EQ(DR.zwyciestwa[t][k] + DR.remisy[t][k] + DR.porazki[t][k], !wolny) << t << k;
            EXPECT_EQ(DR.punkty[t][k] - 17 + k, 3 * DR.zwyciestwa[t][k] + DR.remisy[t][k]);
            bilans += DR.strzelone[t][k] - DR.stracone[t][k];
        }
        EXPECT_EQ(bilans, 0) << t;
    }
}

TEST(Kibice, DemandFollowsTheRecordTierAndPriceInSinglePrecisionSteps) {
    struct przypadek {
        const char* nazwa;
        int liga, kolejka, zwyciestwa, porazki, gole, poziom_ceny, los, kibice;
    };
    const przypadek przypadki[] = {
        {"tier 2, fair price", 2, 0, 0, 0, 0, 2, 0, 1312},
        {"highest draw", 2, 0, 0, 0, 0, 2, 32767, 1095},
        {"33 defeats, high price", 2, 33, 0, 33, 0, 3, 0, 376},
        {"tier 0", 0, 0, 0, 0, 0, 2, 0, 15750},
        {"price level out of range divides by nothing", 2, 0, 0, 0, 0, INT_MIN, 32767, 0},
        {"a record out of range", 2, 0, INT_MAX, 0, INT_MAX, 0, 0, INT_MAX}};
    for (const przypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        liga_testowa();
        DR.twojaliga = p.liga, DR.nr_kolejki = p.kolejka, DR.zwyciestwa[p.liga][0] = p.zwyciestwa;
        DR.porazki[p.liga][0] = p.porazki, DR.strzelone[p.liga][0] = p.gole;
        podrzuc({p.los});
        EXPECT_EQ(DR.kibicow(p.poziom_ceny), p.kibice);
    }
}

namespace {
// Slot 0 of tier 2: home to 17, home to 2, away at 4, home to 6.
const std::string ligowe[] = {"\nU siebie w lidze z L2K17 (3 liga 18 miejsce)",
                              "\nU siebie w lidze z L2K2 (3 liga 3 miejsce)",
                              "\nNa wyjezdzie w lidze z L2K4 (3 liga 5 miejsce)",
                              "\nU siebie w lidze z L2K6 (3 liga 7 miejsce)"};
}  // namespace

TEST(Zapowiedz, TheNextFourLeagueRoundsWithVenueTierAndPlace) {
    liga_testowa();
    DR.twojaliga = 2;
    EXPECT_EQ(zapowiedz(), "Nastepne mecze:" + ligowe[0] + ligowe[1] + ligowe[2] + ligowe[3]);
}

TEST(Zapowiedz, CupLegsComeBeforeTheLeagueMatchOfTheirEvenRound) {
    liga_testowa();
    DR.twojaliga = 2;
    DR.puchar = 1, DR.rywal_pucharu = 50, DR.dwumecz_zdobyte = 4;
    const std::string tie = "w 1/64 pucharu polski z L2K14 (3 liga 15 miejsce)";
    EXPECT_EQ(zapowiedz(), "Nastepne mecze:\nNa wyjezdzie " + tie + ligowe[0] + ligowe[1] +
                               "\nU siebie " + tie + ligowe[2] + ligowe[3]);
}

TEST(Zapowiedz, APlayedLegIsLeftOutAndTheStageNamesTheTie) {
    liga_testowa();
    DR.twojaliga = 2;
    DR.puchar = 4, DR.rywal_pucharu = 20, DR.mecz_pucharowy = 1, DR.dwumecz_stracone = 2;
    DR.dwumecz_zdobyte = 4;
    const std::string rewanz = "\nU siebie w 1/32 pucharu polski z L1K2 (2 liga 3 miejsce) ( 2:4 )";
    EXPECT_EQ(zapowiedz().rfind("Nastepne mecze:" + ligowe[0] + ligowe[1] + rewanz + "\n", 0), 0u);
    DR.puchar = 13, DR.rywal_pucharu = 3, DR.mecz_pucharowy = 0;
    EXPECT_EQ(zapowiedz().find("\nNa wyjezdzie w 1/1 pucharu polski z L0K3"), 15u);
    DR.puchar = zespoly::final_rewanz;
    EXPECT_EQ(zapowiedz().find("\nU siebie final pucharu polski! z L0K3"), 15u);
}

namespace {
// A league with every cup field set and one result booked, saved to a file of its own.
std::string zapisana_liga() {
    liga_testowa();
    DR.nr_kolejki = 12, DR.puchar = 4, DR.rywal_pucharu = 30, DR.mecz_pucharowy = 1;
    DR.dwumecz_zdobyte = 2, DR.dwumecz_stracone = 3;
    DR.zaksieguj(0, 0, 1, 5, 0);
    const std::string sciezka = plik_tymczasowy("liga_zapis.txt");
    EXPECT_TRUE(DR.save(sciezka.c_str()));
    return sciezka;
}
}  // namespace

TEST(PlikDruzyn, RoundTripKeepsEveryFieldWithTheCupFlagBeforeTheAggregates) {
    const std::string sciezka = zapisana_liga();
    EXPECT_EQ(tresc(sciezka).rfind("0 12 0 0\n4 30 1 2 3\nL0K0 20 20 1 0 0 5 0\n", 0), 0u);
    const zespoly zapamietany = DR;
    czysta_gra();
    ASSERT_TRUE(DR.load(sciezka.c_str()));
    EXPECT_EQ(std::memcmp(&DR, &zapamietany, sizeof DR), 0);
}

TEST(PlikDruzyn, DamagedOrMissingFilesAreRefusedAndChangeNothing) {
    const std::string zly = zapisana_liga() + ".zly";
    EXPECT_FALSE(DR.save("/nie/ma/takiego/katalogu/druzyny.txt"));
    const zespoly zapamietany = DR;
    struct usterka {
        const char* nazwa;
        const char* co;
        const char* czym;
    };
    const usterka usterki[] = {{"not a number", "Legia 77", "Legia x"},
                               {"a club cut short", "Swidnik 20 0 0 0 0 0 0", "Swidnik 20 0 0"},
                               {"rival out of range", "\n1 50", "\n1 54"},
                               {"name too long", "Legia ", "Legia_Warszawa_Stolica_RP "},
                               {"round 34", "1995 0", "1995 34"},
                               {"negative goals", "Cracovia 49 0", "Cracovia 49 -1"},
                               {"a name twice", "Avia_Swidnik", "Legia"},
                               {"no file", "", ""}};
    for (const usterka& u : usterki) {
        SCOPED_TRACE(u.nazwa);
        std::string t = tresc(dane("druzyny-1995.txt")), blad;
        std::ofstream(zly) << t.replace(t.find(u.co), std::strlen(u.co), u.czym);
        EXPECT_FALSE(DR.load(*u.co ? zly.c_str() : "/nie/ma/pliku", &blad) || blad.empty());
        EXPECT_EQ(std::memcmp(&DR, &zapamietany, sizeof DR), 0);
    }
}

TEST(KoniecSezonu, TheUserFollowsTheClubsNameWithAMessageAndTheCupDrawsABottomClub) {
    struct przypadek {
        const char* nazwa;
        int liga, druzyna, nowa_liga, nowa_druzyna;
        const char* komunikat;
        int los_pucharu;
    };
    const przypadek przypadki[] = {
        {"promoted from tier 2", 2, 2, 1, 15, "\nPZPN gratuluje awansu!", 0},
        {"relegated to tier 2", 1, 16, 2, 1, "\nTo straszne! spadasz do 3 ligi", 1},
        {"promoted to tier 0", 1, 0, 0, 17, "\nPZPN gratuluje awansu!", 2},
        {"relegated from tier 0", 0, 14, 1, 3, "\nTo straszne! spadasz do 2 ligi!", 3},
        {"champion stays", 0, 0, 0, 0, nullptr, 6},
        {"15th of tier 2 stays", 2, 15, 2, 15, nullptr, 4}};
    for (const przypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        liga_testowa();
        DR.twojaliga = p.liga, DR.twojadruzyna = p.druzyna;
        const std::string ekran = koniec({p.los_pucharu});
        EXPECT_EQ((std::array{DR.twojaliga, DR.twojadruzyna, DR.rywal_pucharu}),
                  (std::array{p.nowa_liga, p.nowa_druzyna, 53 - p.los_pucharu}));
        EXPECT_EQ(ekran.find("PZPN") != ekran.find("straszne"), p.komunikat != nullptr);
        EXPECT_TRUE(p.komunikat == nullptr || ma(ekran, p.komunikat)) << ekran;
    }
}

TEST(KoniecSezonu, FourSwapByPointsThenSlotStrengthsKeepAFloorAndTheSeasonStartsAfresh) {
    liga_testowa();
    DR.punkty[1][13] = DR.punkty[1][14] = 4, DR.strzelone[1][14] = 30;  // goals do not count
    DR.punkty[2][3] = DR.punkty[2][4] = 14, DR.stracone[2][3] = 30;
    DR.sezon = 1995, DR.nr_kolejki = zespoly::ostatnia_kolejka + 1, DR.dwumecz_zdobyte = 5,
    DR.sila[0][8] = 1;
    DR.twojaliga = 2, DR.twojadruzyna = 12;
    koniec({5, 0});  // the first cup draw hits the user's own club, 48
    EXPECT_EQ(std::string(DR.nazwa[1][13]) + DR.nazwa[2][3] + DR.nazwa[1][14] + DR.nazwa[2][4],
              "L1K13L1K14L2K3L2K4");
    EXPECT_EQ((std::vector{DR.sila[2][3], DR.sila[1][14], DR.sila[0][8], DR.rywal_pucharu, DR.sezon,
                           DR.nr_kolejki, DR.puchar, DR.dwumecz_zdobyte, DR.punkty[0][0]}),
              (std::vector{32, 20, 5, 53, 1996, 0, 1, 0, 0}));
}
