#include <gtest/gtest.h>

#include <string>

#include "kadra.h"
#include "pomoc/gra_testowa.h"
#include "terminal/skrypt.h"

using namespace klawisze;

namespace {
void nowy_sklad() {
    czysta_gra();
    zeruj_znacznik_skladu();
}

// The list row the marker stands on (row 0 is screen line 2), or -1 without a marker.
int znacznik(const migawka& m) {
    for (int w = 0; w < 30; ++w) {
        if (m.wiersze[w].size() >= 74 && m.wiersze[w].substr(71, 3) == "<--") return w - 1;
    }
    return -1;
}
}  // namespace

TEST(EkranSkladu, ListsByPositionInSlotOrderWithColoursPricesAndMorale) {
    nowy_sklad();
    for (int i = 0; i < 5; ++i) zawodnik(i, ("Obronca" + std::to_string(i)).c_str(), 1, 40 + i);
    zawodnik(5, "Bramkarz", 0, 50, 30);
    zawodnik(6, "Napastnik", 3, 60, 19, 0);
    zawodnik(7, "Pomocnik", 2, 55, 33);
    skrypt s{enter};
    int wybrany = -1;
    EXPECT_EQ(GR.pokazsklad(&wybrany), enter);
    EXPECT_EQ(wybrany, 5);  // row 1 is the goalkeeper
    const migawka& m = s.migawki()[0];
    unsigned wartosc = 0;
    int r = 0;
    for (int i : {5, 0, 1, 2, 3, 4, 7, 6}) {
        char poczatek[40], koniec[20];
        int c = cena(GR.umiejetnosci[i], GR.wiek[i]);
        std::snprintf(poczatek, sizeof poczatek, "%2d.%15s%6d%6d", ++r, GR.imie[i],
                      GR.umiejetnosci[i], 20);
        std::snprintf(koniec, sizeof koniec, "%8d%s", c, GR.gra[i] == 1 ? "  gra" : "");
        EXPECT_EQ(m.wiersze[r].substr(0, 30) + m.wiersze[r].substr(51, 13),
                  std::string(poczatek) + koniec);
        EXPECT_EQ(m.atrybut(0, r), 9 + 2 * GR.pozycja[i]);
        wartosc += static_cast<unsigned>(c);
    }
    EXPECT_EQ(m.wiersze[9], "Wartosc druzyny " + std::to_string(wartosc));
    EXPECT_EQ(m.atrybut(0, 10), 15);
    for (auto [morale, tekst] : {std::pair{9, "w stanie paniki!"},
                                 {10, "zalamana!"},
                                 {29, "slabej formie psychicznej"},
                                 {44, "zdenerwowana"},
                                 {45, "dobrej mysli"},
                                 {74, "zadowolona"},
                                 {89, "w bojowym nastroju"},
                                 {90, "w euforji!"}}) {
        GR.morale = morale;
        s.dodaj({spacja});
        EXPECT_EQ(GR.pokazsklad(&wybrany), spacja);
        EXPECT_EQ(s.migawki().back().wiersze[10], std::string("Twoja druzyna jest ") + tekst);
    }
}

TEST(EkranSkladu, MarkerStopsAtTheEndsAndIsKeptOrClampedBetweenVisits) {
    nowy_sklad();
    for (int i = 0; i < 8; ++i) zawodnik(i, "G", 1, 40);
    skrypt s{strzalka, gora, 'x', dol, dol, dol, dol, dol, dol, dol, dol, prawo, lewo};
    int wybrany = -1;
    EXPECT_EQ(GR.pokazsklad(&wybrany), prawo);
    EXPECT_EQ(wybrany, 7);
    const auto& m = s.migawki();
    // Up on row 0 and down on the last row stay put.
    EXPECT_EQ((std::array{znacznik(m[0]), znacznik(m[2]), znacznik(m[4]), znacznik(m[11])}),
              (std::array{0, 0, 1, 7}));
    EXPECT_EQ(GR.pokazsklad(&wybrany), lewo);
    EXPECT_EQ(znacznik(m[12]), 7);  // kept for the next visit
    for (int i = 5; i < 8; ++i) GR.wiek[i] = 0;
    s.dodaj({enter});
    EXPECT_EQ(GR.pokazsklad(&wybrany), enter);
    EXPECT_EQ(wybrany, 4);  // the list shrank to 5 rows: the marker sits on the last one
}

TEST(EkranSkladu, EmptySquadHasNoMarkerAndOnlySpaceLeaves) {
    nowy_sklad();
    skrypt s{enter, prawo, lewo, dol, gora, spacja};
    int wybrany = -7;
    EXPECT_EQ(GR.pokazsklad(&wybrany), spacja);
    EXPECT_EQ(wybrany, -7);
    EXPECT_EQ(s.odczytow(), 6);
    for (const auto& m : s.migawki()) EXPECT_EQ(znacznik(m), -1);
}

TEST(Sklad, TogglesPlayersAndLeavesOnlyWithElevenAtMostAndOneGoalkeeper) {
    nowy_sklad();
    zawodnik(0, "B1", 0, 40);
    zawodnik(1, "B2", 0, 40);
    for (int i = 2; i < 12; ++i) zawodnik(i, "G", 2, 40);
    // 12 selected, 2 goalkeepers: space stays; the first goalkeeper out: 11 and 1, space leaves.
    skrypt s{spacja, prawo, spacja};
    GR.sklad();
    EXPECT_EQ((std::array{s.odczytow(), long{GR.gra[0]}}), (std::array{3L, 0L}));
    // 11 selected with 2 goalkeepers: space stays; toggling twice restores; Enter does nothing.
    GR.gra[0] = 1, GR.gra[11] = 0;
    s.dodaj({spacja, dol, lewo, lewo, enter, spacja, prawo, spacja});
    GR.sklad();
    EXPECT_EQ(s.pozostalo(), 0u);
    EXPECT_EQ((std::array{GR.gra[0], GR.gra[1], GR.sprawdzskl()}), (std::array{1, 0, 10}));
    const auto& m = s.migawki();
    EXPECT_EQ(m[m.size() - 5].wiersze[2].find("  gra"), std::string::npos);
    EXPECT_NE(m[m.size() - 4].wiersze[2].find("  gra"), std::string::npos);
    for (int i = 0; i < 12; ++i) GR.gra[i] = 0;
    s.dodaj({spacja});  // nobody selected may leave too
    GR.sklad();
    EXPECT_EQ(s.pozostalo(), 0u);
}
