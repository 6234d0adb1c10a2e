#include "shell/utrwal.h"

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
struct Utrwal : testing::Test {
    void SetUp() override {
        fs::remove_all(katalog);
        fs::create_directories(katalog);
    }
    void TearDown() override { fs::remove_all(katalog); }
    const fs::path katalog =
        fs::path(testing::TempDir()) / ("bramkowiec-utrwal-" + std::to_string(::getpid()));
};
}  // namespace

TEST_F(Utrwal, FlushingWorksOnAFileAndADirectoryAndFailsOnAMissingPath) {
    std::ofstream(katalog / "plik") << "dane";
    EXPECT_TRUE(komplet::utrwal(katalog / "plik"));
    EXPECT_TRUE(komplet::utrwal(katalog));
    EXPECT_FALSE(komplet::utrwal(katalog / "brak"));
}

// A second save puts its files over the first one's: a rename that refuses an existing target
// (C's rename on Windows does) would leave the new set half in place.
TEST_F(Utrwal, ASecondSaveReplacesTheFirstAndLeavesNoTemporaryFiles) {
    for (const std::string tresc : {"pierwszy", "drugi"}) {
        const komplet::plik pliki[] = {
            {"a.txt", [&](const char* s) { return static_cast<bool>(std::ofstream(s) << tresc); }}};
        std::string blad;
        ASSERT_TRUE(komplet::zapisz(katalog, pliki, &blad)) << blad;
    }
    EXPECT_EQ(czytaj(katalog / "a.txt"), "drugi");
    EXPECT_EQ(std::distance(fs::directory_iterator(katalog), fs::directory_iterator()), 1);
}

// A save folder that cannot be made (a file of that name is in the way) is refused in Polish
// before anything is written.
TEST_F(Utrwal, ASaveIntoAFolderThatCannotBeMadeIsRefusedAndWritesNothing) {
    std::ofstream(katalog / "save") << "plik";
    int zapisane = 0;
    const komplet::plik pliki[] = {{"a.txt", [&](const char*) { return ++zapisane > 0; }}};
    std::string blad;
    EXPECT_FALSE(komplet::zapisz(katalog / "save", pliki, &blad));
    EXPECT_EQ(blad, "nie mozna utworzyc katalogu " + (katalog / "save").string());
    EXPECT_EQ(zapisane, 0);
    EXPECT_EQ(czytaj(katalog / "save"), "plik");
}
