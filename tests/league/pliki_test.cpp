#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "liga_testowa.h"

namespace {
std::string plik_testu(const char* nazwa) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return (std::filesystem::temp_directory_path() /
            (std::string("liga_") + test->name() + "_" + nazwa))
        .string();
}

std::string tresc(const std::string& sciezka) {
    std::ifstream f(sciezka);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// The shipped file split into lines of words, to damage one value at a time.
std::vector<std::vector<std::string>> slowa() {
    std::vector<std::vector<std::string>> linie;
    std::istringstream tekst(tresc(dane("druzyny-1995.txt")));
    for (std::string l; std::getline(tekst, l);) {
        std::istringstream w(l);
        linie.emplace_back();
        for (std::string s; w >> s;) linie.back().push_back(s);
    }
    return linie;
}

std::string zapisz(const std::vector<std::vector<std::string>>& linie, const char* nazwa) {
    const std::string sciezka = plik_testu(nazwa);
    std::ofstream f(sciezka);
    for (const auto& l : linie) {
        for (const auto& s : l) f << s << ' ';
        f << '\n';
    }
    return sciezka;
}

bool jak_przedtem(const zespoly& a, const zespoly& b) {
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
    EXPECT_EQ(zapisany.substr(0, zapisany.find('\n', zapisany.find('\n') + 1) + 1),
              "1995 12 2 7\n4 30 1 2 3\n");
    EXPECT_NE(zapisany.find("\nSlask_Wroclaw 54 3 1 0 0 5 0\nZawisza_Bydgoszcz 52 0 0 0 1 0 5\n"),
              std::string::npos);
    EXPECT_EQ(std::count(zapisany.begin(), zapisany.end(), '\n'), 56);
    const zespoly zapamietany = DR;
    czysta_gra();
    std::string blad;
    ASSERT_TRUE(DR.load(sciezka.c_str(), &blad)) << blad;
    EXPECT_TRUE(jak_przedtem(DR, zapamietany));
    EXPECT_FALSE(DR.save("/nie/ma/takiego/katalogu/druzyny.txt"));
}

TEST(PlikDruzyn, DamagedFilesAreRefusedWithAMessageAndChangeNothing) {
    struct przypadek {
        const char* co;
        std::function<void(std::vector<std::vector<std::string>>&)> psuj;
        const char* w_bledzie;
    };
    const przypadek przypadki[] = {
        {"not a number", [](auto& l) { l[10][3] = "x1"; }, "nie jest liczba"},
        {"ends early", [](auto& l) { l.resize(40); }, "za wczesnie"},
        {"name too long", [](auto& l) { l[5][0] = std::string(24, 'a'); }, "za dluga"},
        {"tier", [](auto& l) { l[0][2] = "3"; }, "liga gracza"},
        {"slot", [](auto& l) { l[0][3] = "18"; }, "druzyna gracza"},
        {"round", [](auto& l) { l[0][1] = "34"; }, "kolejki"},
        {"stage", [](auto& l) { l[1][0] = "15"; }, "etap pucharu"},
        {"opponent", [](auto& l) { l[1][1] = "54"; }, "rywal"},
        {"own club", [](auto& l) { l[1][1] = "43"; }, "druzyna gracza"},
        {"flag", [](auto& l) { l[1][2] = "2"; }, "meczu pucharowego"},
        {"negative count", [](auto& l) { l[30][5] = "-1"; }, "ujemna"},
        {"same name twice", [](auto& l) { l[50][0] = l[3][0]; }, "dwa razy"},
    };
    liga_testowa();
    DR.sezon = 1999;
    const zespoly przedtem = DR;
    std::string blad;
    EXPECT_FALSE(DR.load(plik_testu("brak.txt").c_str(), &blad));
    EXPECT_NE(blad.find("nie mozna otworzyc"), std::string::npos) << blad;
    for (const auto& p : przypadki) {
        auto linie = slowa();
        p.psuj(linie);
        blad.clear();
        EXPECT_FALSE(DR.load(zapisz(linie, "zly.txt").c_str(), &blad)) << p.co;
        EXPECT_NE(blad.find(p.w_bledzie), std::string::npos) << p.co << ": " << blad;
        EXPECT_TRUE(jak_przedtem(DR, przedtem)) << p.co;
    }
    auto linie = slowa();
    linie[1] = {"0", "43", "0", "0", "0"};  // out of the cup the old opponent does not matter
    EXPECT_TRUE(DR.load(zapisz(linie, "poza.txt").c_str(), &blad)) << blad;
}
