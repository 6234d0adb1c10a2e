#include <gtest/gtest.h>

#include <string>

#include "pomoc/gra_testowa.h"
#include "shell/zapis.h"
#include "terminal/skrypt.h"

TEST(Info, ShowsTheTitleTheHintsAndTheVersionThenWaitsForOneKey) {
    czysta_gra();
    skrypt s{klawisze::spacja};
    info();
    EXPECT_EQ(s.pozostalo(), 0u);
    ASSERT_EQ(s.migawki().size(), 1u);
    const migawka& m = s.migawki()[0];
    EXPECT_EQ(m.wiersze[0], "B R A M K O W I E C");
    EXPECT_EQ(m.wiersze[1], "");
    EXPECT_TRUE(m.wiersze[2].starts_with("Autor: "));
    EXPECT_TRUE(m.wiersze[3].starts_with("Kontakt: "));
    EXPECT_EQ(m.wiersze[5], "Wskazowki:");
    const std::string tekst = m.tekst();
    EXPECT_NE(tekst.find("przestaje si\xc4\x99 rozwijac po 30 roku zycia."), std::string::npos);
    EXPECT_NE(tekst.find("Zdobadz Mistrza Polski lub Puchar Polski !\n\nWersja 26.09.2021"),
              std::string::npos);
}
