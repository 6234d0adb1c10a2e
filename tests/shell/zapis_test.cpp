#include "shell/zapis.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "pomoc/gra_testowa.h"
#include "shell/dzien_meczu.h"
#include "shell/komplet.h"
#include "shell/pliki_zapisu.h"
#include "squad/gracze.h"
#include "terminal/klawisze.h"
#include "terminal/konsola.h"
#include "terminal/skrypt.h"

namespace fs = std::filesystem;

namespace {
// The save slot's bytes; the whole game, field by field, as the save files put it.
std::string slot() {
    std::string bajty;
    for (const char* plik : pliki_zapisu) bajty += tresc(fs::path(katalog_zapisu) / plik);
    return bajty;
}
std::string stan() {
    EXPECT_TRUE(DR.save("stan1") && GR.save("stan2") && ST.save("stan3"));
    return tresc("stan1") + tresc("stan2") + tresc("stan3");
}

struct Zapis : testing::Test {
    void SetUp() override { gra_z_danych(); }
    katalog_roboczy katalog_{
        "zapis", {"druzyny-1995.txt", "gracze.txt", "rynek.txt", "stadion.txt", "sponsorzy.txt"}};
};

// Plays the cup leg of round 0 and saves with the round's league match still to come.
void zapis_miedzy_meczami() {
    DR.puchar = 1;
    zagraj(nastepnymecz);
    std::tie(ST.kasa, GR.oferty) = std::pair(-100, 2);
    EXPECT_TRUE(ma(zagraj(zapis, 't'), "Zapisalem !"));
}

fs::path kopia(const char* f) {
    return komplet::tymczasowy(fs::path("save") / f);
}
}  // namespace

TEST_F(Zapis, OnlyTheKeyTSavesOrLoads) {
    EXPECT_FALSE(ma(zagraj(zapis, ' '), "Zapisalem") || fs::exists("save"));
    zapis_miedzy_meczami();
    zagraj(nastepnymecz);
    for (int k : {int{'n'}, klawisze::enter, klawisze::spacja, int{'T'}}) {
        SCOPED_TRACE(testing::Message() << "key " << k);
        EXPECT_TRUE(zagraj(zapis, k).ends_with("Zapisac gre? (t/n)"));
        EXPECT_TRUE(zagraj(odczyt, k).ends_with("Zaladowac gre? (t/n)"));
        EXPECT_EQ(DR.nr_kolejki, 1);
    }
}

TEST_F(Zapis, LoadingRestoresEveryFieldAndResumesWithTheRoundsLeagueMatch) {
    zapis_miedzy_meczami();
    const std::string zapisany = stan(), bajty = slot();
    zagraj(nastepnymecz);
    zagraj(odczyt, 't');
    EXPECT_EQ(stan() + slot(), zapisany + bajty);
    EXPECT_TRUE(!ma(zagraj(nastepnymecz), "pucharze") && DR.nr_kolejki == 1);
}

TEST_F(Zapis, ADamagedOrMissingSaveIsRefusedAndTheGameGoesOnUnchanged) {
    struct usterka {
        const char* nazwa;
        void (*uszkodz)();
    };
    const usterka usterki[] = {
        {"cut short",
         [] { std::ofstream("save/gracze.txt") << tresc("save/gracze.txt").substr(0, 60); }},
        {"not a number", [] { std::ofstream("save/druzyny.txt") << "1995 0 x 3\n"; }},
        {"a file missing", [] { fs::remove("save/stadion.txt"); }},
        {"no save directory", [] { fs::remove_all("save"); }}};
    for (const usterka& u : usterki) {
        SCOPED_TRACE(u.nazwa);
        zagraj(zapis, 't');
        u.uszkodz();
        DR.nr_kolejki = 7;
        const std::string przed = stan();
        EXPECT_TRUE(ma(zagraj(odczyt, 't'), "Nie wczytano gry"));
        EXPECT_EQ(stan(), przed);
    }
}

TEST_F(Zapis, AWriteThatFailsLeavesTheOldSaveWhole) {
    zagraj(zapis, 't');
    const std::string stary_slot = slot();
    DR.nr_kolejki = 9;
    fs::create_directories(kopia("stadion.txt") / "zajete");  // in the way of the new copy
    EXPECT_TRUE(ma(zagraj(zapis, 't'), "Gra NIE zostala zapisana!"));
    EXPECT_EQ(slot(), stary_slot);
}

TEST_F(Zapis, AnInterruptedSaveLoadsTheOldGameBeforeItsMarkerAndTheNewOneAfter) {
    zagraj(zapis, 't');
    const std::string stary = stan();
    DR.nr_kolejki = 9;
    const std::string nowy = stan();
    for (const bool po_znaczniku : {false, true}) {
        SCOPED_TRACE(po_znaczniku ? "after the marker" : "before the marker");
        DR.nr_kolejki = 9;
        ASSERT_TRUE(DR.save(kopia("druzyny.txt").string().c_str()) &&
                    GR.save(kopia("gracze.txt").string().c_str()) &&
                    ST.save(kopia("stadion.txt").string().c_str()));
        if (po_znaczniku) std::ofstream(komplet::znacznik("save")) << "zapis kompletny\n";
        if (po_znaczniku) fs::rename(kopia("gracze.txt"), "save/gracze.txt");
        DR.nr_kolejki = 30;
        zagraj(odczyt, 't');
        EXPECT_EQ(stan(), po_znaczniku ? nowy : stary);
        EXPECT_FALSE(fs::exists(komplet::znacznik("save")) || fs::exists(kopia("stadion.txt")));
    }
}

// The screens clear "Zapisalem !" at once and say nothing of a load: the status says both.
TEST_F(Zapis, TheStatusSaysWhatASaveOrALoadDid) {
    const auto stan_odczytu = [] {
        skrypt s{'t', ' '};
        odczyt();
        // A refusal waits for a key with the status shown; a load goes back to the menu with it.
        return s.migawki().size() > 1 ? s.migawki()[1].stan : biezacy_ekran().stan();
    };
    EXPECT_EQ(stan_odczytu(), "Brak zapisanej gry");
    zagraj(zapis, 't');
    EXPECT_EQ(biezacy_ekran().stan(), "Gra zapisana w " + fs::absolute("save").string());
    DR.nr_kolejki = 4;
    ASSERT_TRUE(DR.save("save/druzyny.txt"));
    DR.nr_kolejki = 0;
    EXPECT_EQ(stan_odczytu(), "Gra wczytana: sezon 1995/1996, kolejka 5");
    std::ofstream("save/gracze.txt") << "x\n";
    EXPECT_EQ(stan_odczytu().rfind("Gra nie wczytana: ", 0), 0u);
}
