#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstring>
#include <fstream>

#include "club/boisko.h"
#include "pomoc/gra_testowa.h"
#include "squad/gracze.h"
#include "terminal/klawisze.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"

using namespace klawisze;
using namespace std::string_literals;

namespace {
constexpr int bramkarz = gracze::bramkarz, obronca = gracze::obronca, pomocnik = gracze::pomocnik,
              napastnik = gracze::napastnik;

// Puts a fresh player (fitness 20, no matches or goals) into a slot of GR.
void zawodnik(int i, const char* imie, int pozycja, int umiejetnosci, int wiek = 25, int gra = 1,
              int bramkostrzelnosc = 0) {
    std::snprintf(GR.imie[i], sizeof GR.imie[i], "%s", imie);
    GR.pozycja[i] = pozycja, GR.umiejetnosci[i] = umiejetnosci, GR.wiek[i] = wiek, GR.gra[i] = gra;
    GR.bramkostrzelnosc[i] = bramkostrzelnosc, GR.sily[i] = 20, GR.meczy[i] = GR.bramki[i] = 0;
}

bool widac(const skrypt& s, const std::string& tekst) {
    return s.migawki().back().tekst().find(tekst) != std::string::npos;
}

void rynek_testowy() {
    czysta_gra();
    for (int k = 0; k < gracze::nazw_rynku; ++k) std::snprintf(GR.rynek[k], 15, "Nazwa%d", k);
}
}  // namespace

TEST(Cena, RisesWithSkillFallsPast30AndSaturates) {
    EXPECT_EQ((std::array{cena(0, 18), cena(10, 18), cena(100, 18), cena(100, 25), cena(100, 32),
                          cena(100, 40), cena(100000, 18)}),
              (std::array{1000, 1173, 3020951, 2929407, 1510475, 285470, INT_MAX}));
}

TEST(Sila, AWorkedLineUpAndPlayersInFreeSlotsCountNowhere) {
    czysta_gra();
    GR.morale = 50;
    const int p[] = {bramkarz, obronca,  obronca,   obronca,   obronca,  pomocnik,
                     pomocnik, pomocnik, napastnik, napastnik, napastnik};
    const int u[] = {80, 70, 75, 90}, b[] = {0, 0, 5, 8};  // by position
    for (int i = 0; i <= 10; ++i) zawodnik(i, "G", p[i], u[p[i]], 25, 1, b[p[i]]);
    for (int& m : GR.meczy) m = 30;
    EXPECT_EQ((std::array{GR.obrona(), GR.pomoc(), GR.atak()}), (std::array{72, 43, 58}));
    GR.gra[10] = 0;
    zawodnik(12, "W", napastnik, 100, 0, 1, 9);  // selected but in a free slot: counts nowhere
    EXPECT_EQ((std::array{GR.obrona(), GR.pomoc(), GR.atak()}), (std::array{65, 39, 35}));
}

TEST(Sila, ShortLinesLoseAQuarterPerMissingPlayerAndEmptyLinesHaveNone) {
    czysta_gra();
    GR.morale = 60;  // and fitness 21 with no matches: a term is 0.6 x skill; no line, no strength
    EXPECT_EQ((std::array{GR.obrona(), GR.pomoc(), GR.atak()}), (std::array{0, 0, 0}));
    const int k[][3] = {{bramkarz, 50, 0}, {obronca, 55, 0},  {obronca, 55, 0},
                        {pomocnik, 50, 9}, {pomocnik, 50, 1}, {napastnik, 50, 4}};
    for (int i = 0; i < 6; ++i) zawodnik(i, "X", k[i][0], k[i][1], 25, 1, k[i][2]);
    for (int& f : GR.sily) f = 21;
    // (90 + 2 x 33) x 3/4 / 6 x 6/11 = 10.6; (30 + 18) x 3/4 / 3.5 x 6/11; 15 / 3.5 x 6/11
    EXPECT_EQ((std::array{GR.obrona(), GR.pomoc(), GR.atak()}), (std::array{10, 5, 2}));
}

TEST(PlikKadry, RoundTripKeepsEveryFieldAndClosesGaps) {
    czysta_gra();
    GR.morale = 33, GR.oferty = 2;
    zawodnik(7, "Gracz", napastnik, 42, 22, 0, 7);
    GR.sily[7] = 17, GR.meczy[7] = 60, GR.bramki[7] = 9;
    const std::string sciezka = plik_tymczasowy("gracze_test.txt");
    ASSERT_TRUE(GR.save(sciezka.c_str()));
    czysta_gra();
    zawodnik(10, "Stary", pomocnik, 50);
    ASSERT_TRUE(GR.load(sciezka.c_str()));
    EXPECT_STREQ(GR.imie[0], "Gracz");
    EXPECT_EQ((std::array{GR.umiejetnosci[0], GR.sily[0], GR.wiek[0], GR.meczy[0], GR.bramki[0],
                          GR.bramkostrzelnosc[0], GR.pozycja[0], GR.gra[0], GR.morale, GR.oferty,
                          GR.wiek[10]}),
              (std::array{42, 17, 22, 60, 9, 7, 3, 0, 33, 2, 0}));
}

TEST(PlikKadry, DamagedOrMissingFilesAreRefusedAndChangeNothing) {
    czysta_gra();
    zawodnik(10, "Stary", pomocnik, 50);
    const std::string sciezka = plik_tymczasowy("gracze_test.txt");
    EXPECT_FALSE(GR.save("/nie/ma/katalogu/gracze.txt"));
    std::string za_duzo = "50 0\n";
    for (int i = 0; i < 22; ++i) za_duzo += "Nowak 40 20 25 0 0 0 1 1\n";
    const gracze przed = GR;
    struct usterka {
        const char* nazwa;
        std::string tresc;
    };
    const usterka usterki[] = {{"name too long", "50 0\nBardzoDlugieNazwisko 1 2 3 4 5 6 1 1"s},
                               {"not a number", "50 0\nNowak 40 20 x 0 0 0 1 1\n"s},
                               {"position 4", "50 0\nNowak 40 20 25 0 0 0 4 1\n"s},
                               {"a line cut short", "50 0\nNowak 40 20 25 0 0 0\n"s},
                               {"22 players", za_duzo},
                               {"NUL for a name", "1 0\n\0 1 2 3 4 5 6 1 1"s}};
    for (const usterka& u : usterki) {
        SCOPED_TRACE(u.nazwa);
        std::ofstream(sciezka) << u.tresc;
        std::string blad;
        EXPECT_FALSE(GR.load(sciezka.c_str(), &blad) || blad.empty());
        EXPECT_EQ(std::memcmp(&GR, &przed, sizeof GR), 0);
    }
    EXPECT_FALSE(GR.load("/nie/ma/pliku") || std::memcmp(&GR, &przed, sizeof GR));
}

TEST(PoMeczu, ScorersComeFromScriptedDrawsAndTheSearchEndsWhenNobodyCanScore) {
    czysta_gra();
    const char* const imiona[] = {"Bramkarz", "Lawka", "Pomocnik", "Wolny", "Napastnik"};
    const int p[] = {bramkarz, napastnik, pomocnik, napastnik, napastnik};
    const int wiek[] = {25, 25, 25, 0, 25}, b[] = {13, 13, 10, 13, 5};
    for (int i = 0; i < 5; ++i) zawodnik(i, imiona[i], p[i], 50, wiek[i], i != 1, b[i]);
    // Pass 1: the midfielder misses (10 is not below 10), the forward scores (9 < 2 x 5); pass 2:
    // the midfielder scores. Then nobody left can score, and the search must still end.
    podrzuc({10, 9, 9});
    skrypt s{'x', 'y'};
    GR.ktostrzelil(2);
    GR.gra[4] = 0, GR.bramkostrzelnosc[2] = 0;
    GR.ktostrzelil(2);
    EXPECT_EQ(s.migawki()[1].tekst(),
              "\n Bramki zdobyli :\n Napastnik\n Pomocnik\n\n Bramki zdobyli :");
    EXPECT_EQ((std::array{GR.bramki[0], GR.bramki[1], GR.bramki[2], GR.bramki[3], GR.bramki[4]}),
              (std::array{0, 0, 1, 0, 1}));
}

TEST(PoMeczu, PlayersWhoPlayedTireByOneAndTheRestRecover) {
    czysta_gra();
    for (int i = 0; i < 5; ++i) zawodnik(i, "G", pomocnik, 50, i == 3 ? 0 : 25, i != 1 && i != 4);
    // Tire by one (not below 0); the rest recover 5 up to 20, then 1 up to 23; free slots stay.
    GR.sily[0] = 5, GR.sily[1] = 16, GR.sily[2] = 0, GR.sily[3] = -2, GR.sily[4] = 22;
    GR.pomeczu(0);
    EXPECT_EQ((std::array{GR.sily[0], GR.sily[1], GR.sily[2], GR.sily[3], GR.sily[4]}),
              (std::array{4, 20, 0, -2, 23}));
    EXPECT_EQ((std::array{GR.meczy[0], GR.meczy[1], GR.meczy[2]}), (std::array{1, 0, 1}));
}

TEST(PoMeczu, FromThirtyASeasonTakesAShareOfSkillUpToTheExactProduct) {
    czysta_gra();
    skrypt s;
    // Skill decline D by the new age 30 to 50; a draw up to D applies it, odd ages draw D + 1.
    const int d[] = {1, 2, 4, 5, 6, 8, 9, 11, 12, 13, 15, 16, 18, 19, 20, 22, 23, 25, 26, 27, 29};
    for (int a = 30; a <= 50; ++a) {
        SCOPED_TRACE(testing::Message() << "age " << a);
        zawodnik(0, "S", obronca, 100, a - 1);
        podrzuc({d[a - 30] + a % 2});
        s.dodaj({'x'});
        GR.koniecsezonu();
        EXPECT_EQ(std::pair(GR.wiek[0], GR.umiejetnosci[0]),
                  std::pair(a, 100 - (a % 2 ? 0 : d[a - 30])));
    }
}

namespace {
// Five 18-year-olds in slots 0-4: a defender, a forward, the goalkeeper, a midfielder and
// another defender, skill 40 to 100.
void piatka() {
    czysta_gra();
    zeruj_znacznik_skladu();
    const char* const imiona[] = {"Obronca", "Napastnik", "Bramkarz", "Pomocnik", "Obronca2"};
    const int pozycje[] = {obronca, napastnik, bramkarz, pomocnik, obronca};
    for (int i = 0; i < 5; ++i) zawodnik(i, imiona[i], pozycje[i], 40 + 15 * i, 18);
}
}  // namespace

TEST(EkranSkladu, PlayersAreListedByPositionThenSlotInThePositionsColour) {
    piatka();
    skrypt s{enter};
    int wybrany = -1;
    GR.pokazsklad(&wybrany);
    const migawka m = s.migawki()[0];
    std::string w;
    for (int r = 1; r <= 5; ++r) w += m.wiersze[r].substr(4, 14) + std::to_string(m.atrybut(0, r));
    EXPECT_EQ(w, "      Bramkarz9       Obronca11      Obronca211      Pomocnik13     Napastnik15");
}

TEST(EkranSkladu, TheMarkerStopsAtBothEnds) {
    piatka();
    skrypt s{strzalka, gora, enter, dol, dol, dol, dol, dol, enter};
    int wybrany[] = {-1, -1};
    EXPECT_EQ(GR.pokazsklad(&wybrany[0]), enter);  // up on the first row stays: the goalkeeper
    EXPECT_EQ(GR.pokazsklad(&wybrany[1]), enter);  // down on the last row stays: the forward
    EXPECT_EQ((std::array{wybrany[0], wybrany[1]}), (std::array{2, 1}));
}

TEST(EkranSkladu, EnterSellsTheMarkedPlayerAtHisPriceAfterAPause) {
    piatka();
    skrypt s{dol, dol, dol, dol, enter, prawo, lewo, enter, spacja};
    int wybrany = -1;
    GR.pokazsklad(&wybrany);
    int kasa = 1000;
    GR.sprzedarz(&kasa);
    EXPECT_EQ((std::array{kasa - 1000, GR.wiek[1], GR.wiek[2]}), (std::array{cena(55, 18), 0, 18}));
    EXPECT_EQ(s.pauzy(), (std::vector<int>{500}));
}

TEST(EkranSkladu, AnEmptySquadChoosesNobodyAndOnlySpaceLeaves) {
    czysta_gra();
    skrypt s{enter, prawo, lewo, dol, gora, spacja};
    int wybrany = -1;
    EXPECT_EQ(GR.pokazsklad(&wybrany), spacja);
    EXPECT_EQ(wybrany, -1);
}

TEST(EkranSkladu, TheLineUpIsLeftOnlyWithElevenOrFewerAndOneGoalkeeperAtMost) {
    czysta_gra();
    for (int i = 0; i < 13; ++i) zawodnik(i, "G", i < 2 ? bramkarz : pomocnik, 40, 25, i != 1);
    skrypt s{spacja, prawo, spacja};  // 12 selected with 1 goalkeeper stay; 11 with none leave
    GR.sklad();
    GR.gra[0] = GR.gra[1] = 1, GR.gra[11] = GR.gra[12] = 0;
    s.dodaj({spacja, prawo, spacja});  // 11 selected with 2 goalkeepers stay; 10 with 1 leave
    GR.sklad();
    EXPECT_EQ((std::array{GR.gra[0], GR.sprawdzskl(), int(s.pozostalo())}), (std::array{0, 10, 0}));
    // The refused space says why, at the next key.
    EXPECT_EQ((std::array{s.migawki()[0].stan, s.migawki()[1].stan, s.migawki()[4].stan}),
              (std::array<std::string, 3>{"", "Wybrano 12 zawodnikow, najwyzej 11",
                                          "Wybrano 2 bramkarzy, najwyzej 1"}));
}

TEST(EkranSkladu, MarkerStaysBetweenVisitsAndMovesUpWhenTheListShrinks) {
    czysta_gra();
    for (int i = 0; i < 8; ++i) zawodnik(i, "G", pomocnik, 40);
    skrypt s{dol, dol, dol, dol, dol, dol, dol, enter, enter};
    int wybrany[] = {-1, -1, -1};
    GR.pokazsklad(&wybrany[0]);
    GR.pokazsklad(&wybrany[1]);
    for (int i = 5; i < 8; ++i) GR.wiek[i] = 0;
    s.dodaj({enter});
    GR.pokazsklad(&wybrany[2]);
    EXPECT_EQ((std::array{wybrany[0], wybrany[1], wybrany[2]}), (std::array{7, 7, 4}));
}

TEST(Rynek, ARoundOffersOneMorePlayerThanTheScoutBrings) {
    rynek_testowy();
    int kasa = 0;
    skrypt s{spacja, spacja, spacja, spacja, spacja};
    GR.kupno(&kasa, 2, false);  // one offer without a scout, then back to the menu
    GR.oferty = 0, ST.propozycje_lowcy = 3;
    GR.kupno(&kasa, 2, false);  // four with one
    EXPECT_EQ(s.pozostalo(), 0u);
}

TEST(Rynek, NamesInTheSquadAreNotOfferedWhateverTheirCase) {
    rynek_testowy();  // names in the squad, free slots too, are skipped whatever the case
    zawodnik(0, "NAZWA0", obronca, 40);
    zawodnik(3, "nazwa1", obronca, 40, 0);
    podrzuc({0, 70, 1, 2, 3, 0, 0, 0, 0, 0});
    skrypt s{spacja};
    int kasa = 0;
    GR.kupno(&kasa, 2, false);
    EXPECT_TRUE(widac(s, " Imie : Nazwa2"));
    EXPECT_EQ(podrzuconych(), 0u);
}

TEST(Rynek, ABuyTakesTheAskedPriceWhenTheCashCoversIt) {
    // Skill 10 at 18 costs 1173; the price asked is 0.9 to 3.3 times that, by a draw.
    struct przypadek {
        const char* nazwa;
        int kasa, los_ceny, cena;
        bool kupiony;
    };
    const przypadek przypadki[] = {{"exactly the price", 1173, 1, 1173, true},
                                   {"one short", 1172, 1, 1173, false},
                                   {"negative cash", -500, 1, 1173, false},
                                   {"lowest price", 5000, 0, 1055, true},
                                   {"highest price", 5000, 24, 3870, true},
                                   {"exactly the lowest price", 1055, 0, 1055, true}};
    for (const przypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        rynek_testowy();
        podrzuc({0, 1, 0, 0, 0, p.los_ceny, 0});
        int kasa = p.kasa;
        skrypt s{dol, gora, dol, spacja, 'x'};
        GR.kupno(&kasa, 2, false);
        EXPECT_EQ((std::array{GR.ilegraczy(), kasa}),
                  (std::array{int{p.kupiony}, p.kasa - (p.kupiony ? p.cena : 0)}));
        EXPECT_TRUE(
            widac(s, p.kupiony ? " Transfer udany! Trzeba to oblac!" : "Nie stac cie biedaku!"));
    }
}

TEST(Rynek, TheTwentiethPlayerTakesTheLowestFreeSlotAndEndsTheVisit) {
    rynek_testowy();
    for (int i = 0; i < 20; ++i) zawodnik(i, "G", pomocnik, 40, i == 4 ? 0 : 25);
    GR.bramki[4] = 7, ST.propozycje_lowcy = 3;
    int kasa = 100000;
    podrzuc({0, 1, 0, 0, 0, 0, 12});
    skrypt s{dol, spacja, 'x', 'y'};
    GR.kupno(&kasa, 2, false);
    EXPECT_TRUE(widac(s, "Juz nie ma miejsca w szatni!") && GR.imie[4] == "Nazwa0"s);
    EXPECT_EQ((std::array{GR.umiejetnosci[4], GR.wiek[4], GR.bramki[4], GR.gra[4], GR.oferty}),
              (std::array{10, 18, 0, 0, 1}));  // the other offers wait
}
