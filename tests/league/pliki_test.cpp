#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "liga_testowa.h"

namespace {
std::string plik_testu(const std::string& nazwa) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return (std::filesystem::temp_directory_path() / ("liga_" + std::string(test->name()) + nazwa))
        .string();
}

std::string tresc(const std::string& sciezka) {
    std::stringstream s;
    s << std::ifstream(sciezka).rdbuf();
    return s.str();
}

// The shipped file with its first `co` replaced by `czym`.
std::string popsuty(const std::string& co, const std::string& czym) {
    std::string t = tresc(dane("druzyny-1995.txt"));
    const auto gdzie = t.find(co);
    EXPECT_NE(gdzie, std::string::npos) << co;
    t.replace(gdzie, co.size(), czym);
    const std::string sciezka = plik_testu("zly.txt");
    std::ofstream(sciezka) << t;
    return sciezka;
}

bool takie_same(const zespoly& a, const zespoly& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}
}  // namespace

TEST(PlikDruzyn, SaveWritesTheFormatAndLoadRestoresEveryField) {
    czysta_gra();
    ASSERT_TRUE(DR.load(dane("druzyny-1995.txt").c_str()));
    DR.nr_kolejki = 12;
    DR.puchar = 4;
    DR.rywal_pucharu = 30;
    DR.mecz_pucharowy = 1;
    DR.dwumecz_zdobyte = 2;
    DR.dwumecz_stracone = 3;
    DR.zaksieguj(1, 3, 4, 5, 0);
    const std::string sciezka = plik_testu("zapis.txt");
    ASSERT_TRUE(DR.save(sciezka.c_str()));
    const std::string zapisany = tresc(sciezka);
    EXPECT_EQ(zapisany.rfind("1995 12 2 7\n4 30 1 2 3\nWidzew ", 0), 0u);
    EXPECT_NE(zapisany.find("\nSlask_Wroclaw 54 3 1 0 0 5 0\nZawisza_Bydgoszcz 52 0 0 0 1 0 5\n"),
              std::string::npos);
    EXPECT_EQ(std::count(zapisany.begin(), zapisany.end(), '\n'), 56);
    const zespoly zapamietany = DR;
    czysta_gra();
    std::string blad;
    ASSERT_TRUE(DR.load(sciezka.c_str(), &blad)) << blad;
    EXPECT_TRUE(takie_same(DR, zapamietany));
    EXPECT_FALSE(DR.save("/nie/ma/takiego/katalogu/druzyny.txt"));
}

TEST(PlikDruzyn, DamagedFilesAreRefusedWithAMessageAndChangeNothing) {
    const char* const przypadki[][3] = {
        {"Legia 88", "Legia x88", "nie jest liczba"},
        {"Avia_Swidnik 20 0 0 0 0 0 0", "Avia_Swidnik 20 0 0", "za wczesnie"},
        {"Legia ", "Legia_Warszawa_Stolica_RP ", "za dluga"},
        {"1995 0 2 7", "1995 0 3 7", "liga gracza"},
        {"1995 0 2 7", "1995 0 2 18", "druzyna gracza"},
        {"1995 0 2 7", "1995 34 2 7", "kolejki"},
        {"\n1 50 0 0 0", "\n15 50 0 0 0", "etap pucharu"},
        {"\n1 50 0 0 0", "\n1 54 0 0 0", "rywal"},
        {"\n1 50 0 0 0", "\n1 43 0 0 0", "druzyna gracza"},
        {"\n1 50 0 0 0", "\n1 50 2 0 0", "meczu pucharowego"},
        {"Cracovia 49 0 0 0 0", "Cracovia 49 0 0 0 -1", "ujemna"},
        {"Avia_Swidnik", "Legia", "dwa razy"},
    };
    liga_testowa();
    const zespoly przedtem = DR;
    std::string blad;
    EXPECT_FALSE(DR.load(plik_testu("brak.txt").c_str(), &blad));
    EXPECT_NE(blad.find("nie mozna otworzyc"), std::string::npos) << blad;
    for (const auto& [co, czym, w_bledzie] : przypadki) {
        blad.clear();
        EXPECT_FALSE(DR.load(popsuty(co, czym).c_str(), &blad)) << czym;
        EXPECT_NE(blad.find(w_bledzie), std::string::npos) << czym << ": " << blad;
        EXPECT_TRUE(takie_same(DR, przedtem)) << czym;
    }
    // Out of the cup the last opponent may be anyone.
    EXPECT_TRUE(DR.load(popsuty("\n1 50 0 0 0", "\n0 43 0 0 0").c_str(), &blad)) << blad;
}
