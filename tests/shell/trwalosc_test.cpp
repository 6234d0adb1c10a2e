#include "shell/trwalosc.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "shell/komplet.h"

namespace fs = std::filesystem;

namespace {
std::string czytaj(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

// A fresh directory per test, gone afterwards.
struct Trwalosc : testing::Test {
    void SetUp() override {
        fs::remove_all(katalog);
        fs::create_directories(katalog);
    }
    void TearDown() override { fs::remove_all(katalog); }
    const fs::path katalog =
        fs::path(testing::TempDir()) / ("bramkowiec-trwalosc-" + std::to_string(::getpid()));
};
}  // namespace

// The save's last step: on Windows a plain rename refuses an existing target.
TEST_F(Trwalosc, ReplacingPutsTheNewFileOverTheOldOneAndLeavesNoTemporary) {
    std::ofstream(katalog / "stary") << "stary";
    std::ofstream(katalog / "nowy") << "nowy";
    ASSERT_TRUE(trwalosc::zastap(katalog / "nowy", katalog / "stary"));
    EXPECT_EQ(czytaj(katalog / "stary"), "nowy");
    EXPECT_FALSE(fs::exists(katalog / "nowy"));
}

TEST_F(Trwalosc, ReplacingADirectoryOrFromAMissingFileFailsAndKeepsBoth) {
    std::ofstream(katalog / "nowy") << "nowy";
    fs::create_directories(katalog / "katalog" / "zajete");
    EXPECT_FALSE(trwalosc::zastap(katalog / "nowy", katalog / "katalog"));
    EXPECT_EQ(czytaj(katalog / "nowy"), "nowy");
    EXPECT_TRUE(fs::exists(katalog / "katalog" / "zajete"));
    EXPECT_FALSE(trwalosc::zastap(katalog / "brak", katalog / "nowy"));
    EXPECT_EQ(czytaj(katalog / "nowy"), "nowy");
}

TEST_F(Trwalosc, FlushingWorksOnAFileAndADirectoryAndFailsOnAMissingPath) {
    std::ofstream(katalog / "plik") << "dane";
    EXPECT_TRUE(trwalosc::utrwal(katalog / "plik"));
    EXPECT_TRUE(trwalosc::utrwal(katalog));
    EXPECT_FALSE(trwalosc::utrwal(katalog / "brak"));
}

// A save folder that cannot be made (a file of that name is in the way) is refused in Polish
// before anything is written.
TEST_F(Trwalosc, ASaveIntoAFolderThatCannotBeMadeIsRefusedAndWritesNothing) {
    std::ofstream(katalog / "save") << "plik";
    int zapisane = 0;
    const komplet::plik pliki[] = {{"a.txt", [&](const char*) { return ++zapisane > 0; }}};
    std::string blad;
    EXPECT_FALSE(komplet::zapisz(katalog / "save", pliki, &blad));
    EXPECT_EQ(blad, "nie mozna utworzyc katalogu " + (katalog / "save").string());
    EXPECT_EQ(zapisane, 0);
    EXPECT_EQ(czytaj(katalog / "save"), "plik");
}
