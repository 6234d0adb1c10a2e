#include "terminal/web/wymiana.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "pomoc/gra_testowa.h"
#include "shell/pliki_zapisu.h"

namespace fs = std::filesystem;

namespace {
// A save brought in (the start-up files under the save's names) and an empty slot beside it.
class Wymiana : public testing::Test {
  protected:
    void SetUp() override {
        gra_z_danych();
        fs::remove_all(tu);
        fs::create_directories(skad);
        const char* startowe[] = {"druzyny-1995.txt", "gracze.txt", "stadion.txt"};
        for (std::size_t i = 0; i < pliki_zapisu.size(); ++i)
            fs::copy_file(dane(startowe[i]), skad / pliki_zapisu[i]);
    }
    void TearDown() override { fs::remove_all(tu); }

    const fs::path tu = fs::temp_directory_path() / ("bramkowiec-web-" + std::to_string(getpid()));
    const fs::path skad = tu / "wgrane";
    const fs::path slot = tu / "save";
};
}  // namespace

TEST_F(Wymiana, AWholeSaveBecomesTheSlotByteForByte) {
    std::string blad;
    ASSERT_TRUE(wgraj_zapis(skad, slot, &blad)) << blad;
    for (const char* n : pliki_zapisu) {
        SCOPED_TRACE(n);
        EXPECT_EQ(tresc(slot / n), tresc(skad / n));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(slot), fs::directory_iterator()), 3);
}

TEST_F(Wymiana, ADamagedOrMissingFileIsRefusedAndTheSlotKept) {
    struct usterka {
        const char* opis;
        const char* plik;
        const char* nowa_tresc;  // nullptr: the file is missing
        const char* w_powodzie;
    };
    const usterka tabela[] = {
        {"stadium not a number", "stadion.txt", "nie liczba\n", "stadion"},
        {"squad cut short", "gracze.txt", "5\n", "gracze"},
        {"league missing", "druzyny.txt", nullptr, "druzyny.txt"},
    };
    for (const usterka& u : tabela) {
        SCOPED_TRACE(u.opis);
        SetUp();
        std::string blad;
        ASSERT_TRUE(wgraj_zapis(skad, slot, &blad)) << blad;
        const std::string przed = tresc(slot / u.plik);
        if (u.nowa_tresc == nullptr)
            fs::remove(skad / u.plik);
        else
            std::ofstream(skad / u.plik, std::ios::trunc) << u.nowa_tresc;
        EXPECT_FALSE(wgraj_zapis(skad, slot, &blad));
        EXPECT_NE(blad.find(u.w_powodzie), std::string::npos) << blad;
        EXPECT_EQ(tresc(slot / u.plik), przed);
    }
}
