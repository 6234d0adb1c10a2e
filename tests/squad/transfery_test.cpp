#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "club/boisko.h"
#include "kadra.h"
#include "pomoc/gra_testowa.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"

using namespace klawisze;

namespace {
void rynek_testowy() {
    czysta_gra();
    for (int k = 0; k < gracze::nazw_rynku; ++k) std::snprintf(GR.rynek[k], 15, "Nazwa%d", k);
}

bool widac(const skrypt& s, const std::string& tekst) {
    return s.migawki().back().tekst().find(tekst) != std::string::npos;
}
}  // namespace

TEST(Rynek, OffersPerRoundFollowTheScoutTheBanAndTheRoom) {
    rynek_testowy();
    int kasa = 0;
    skrypt s{'x'};
    GR.kupno(&kasa, 2, 20);
    EXPECT_TRUE(widac(s, "PZPN zakazuje transferow dopoki nie splacisz dlogu!"));
    EXPECT_EQ(GR.oferty, 0);
    s.dodaj({spacja, 'x'});
    GR.kupno(&kasa, 2, 19);  // one offer without a scout, then back to the menu
    EXPECT_EQ(s.pozostalo(), 1u);
    GR.kupno(&kasa, 2, 0);
    EXPECT_TRUE(widac(s, "brak zawodnikow na rynku!"));
    GR.oferty = 0, ST.propozycje_lowcy = 3;
    s.dodaj({spacja, spacja, spacja, spacja});
    GR.kupno(&kasa, 2, 0);
    EXPECT_EQ(s.pozostalo(), 0u);
    for (int w : {9, 19, 29, 39}) EXPECT_EQ(s.migawki().back().wiersze[w], " nastepny (gora/dol)");
    for (int i = 0; i < 20; ++i) zawodnik(i, "G", 1, 40);
    GR.oferty = 0;
    s.dodaj({'x'});
    GR.kupno(&kasa, 2, 0);
    EXPECT_TRUE(widac(s, "Wyluzuj czlowieku, nie ma miejsca w szatni!"));
    EXPECT_EQ(GR.oferty, 0);
}

TEST(Rynek, ScriptedDrawsGiveTheOfferRangesAndTheBoughtPlayer) {
    struct przypadek {
        int liga;
        std::vector<int>
            losy;  // name, position, age, skill, bonus?, [bonus], price, ability, [matches]
        std::array<int, 5> gracz;  // position, age, skill, matches, ability
        bool bramkostrzelny;
    };
    for (const auto& p : {
             przypadek{2, {0, 3, 22, 0, 0, 0, 12}, {3, 40, 10, 0, 13}, true},
             {2, {0, 1, 7, 0, 0, 0, 12, 0}, {1, 25, 10, 60, 0}, false},
             {2, {0, 1, 7, 0, 0, 0, 12, 29}, {1, 25, 10, 89, 0}, false},
             {2, {0, 1, 12, 0, 0, 0, 12, 0}, {1, 30, 10, 110, 0}, false},
             {2, {0, 0, 22, 0, 0, 0, 0, 0}, {0, 40, 10, 210, 0}, false},
             {2, {0, 0, 22, 0, 0, 0, 0, 479}, {0, 40, 10, 689, 0}, false},
             {0, {0, 2, 0, 0, 0, 0, 0}, {2, 18, 90, 0, 1}, false},
             {0, {0, 2, 6, 59, 11, 19, 0, 12}, {2, 24, 168, 0, 13}, false},
             {2, {0, 3, 0, 59, 1, 19, 0, 0}, {3, 18, 88, 0, 1}, false},
             {1, {0, 2, 7, 5, 2, 0, 0, 0}, {2, 25, 55, 60, 1}, false},
             {2, {0, 2, 8, 0, 0, 0, 6, 0}, {2, 26, 10, 70, 7}, true},
             {2, {0, 2, 8, 0, 0, 0, 5, 0}, {2, 26, 10, 70, 6}, false},
         }) {
        rynek_testowy();
        podrzuc(p.losy);
        int kasa = 100000000;
        skrypt s{dol, spacja, 'x'};
        GR.kupno(&kasa, p.liga, 0);
        EXPECT_EQ(podrzuconych(), 0u);
        EXPECT_EQ((std::array{GR.pozycja[0], GR.wiek[0], GR.umiejetnosci[0], GR.meczy[0],
                              GR.bramkostrzelnosc[0]}),
                  p.gracz);
        EXPECT_EQ((std::array{GR.sily[0], GR.bramki[0], GR.gra[0]}), (std::array{20, 0, 0}));
        EXPECT_EQ(widac(s, " i jest bramkostrzelny !"), p.bramkostrzelny) << p.losy[2];
    }
    // A skill of 10 at 18 costs 1173; the asking price is 0.9 to 3.3 times that.
    for (auto [los, cena_oferty] : {std::pair{0, 1055}, {1, 1173}, {24, 3870}}) {
        rynek_testowy();
        podrzuc({0, 1, 0, 0, 0, los, 0});
        int kasa = 5000;
        skrypt s{dol, spacja, 'x'};
        GR.kupno(&kasa, 2, 0);
        EXPECT_EQ(kasa, 5000 - cena_oferty);
    }
}

TEST(Rynek, NoOfferCarriesASquadNameWhateverItsCase) {
    rynek_testowy();
    std::snprintf(GR.rynek[0], 15, "Nowak");
    std::snprintf(GR.rynek[1], 15, "Lis");
    zawodnik(0, "NOWAK", 1, 40);
    zawodnik(3, "lis", 1, 40, 0);  // a free slot keeps its last player's name
    podrzuc({0, 70, 1, 2, 3, 0, 0, 0, 0, 0});
    int kasa = 0;
    skrypt s{spacja};
    GR.kupno(&kasa, 2, 0);
    EXPECT_EQ(podrzuconych(), 0u);
    EXPECT_TRUE(widac(s, " Imie : Nazwa2"));
    rynek_testowy();  // one name repeated: once it is bought nobody is left to offer
    for (auto& nazwa : GR.rynek) std::snprintf(nazwa, 15, "Solo");
    podrzuc({5, 1, 0, 0, 0, 0, 0});
    kasa = 100000, ST.propozycje_lowcy = 3;
    s.dodaj({dol, spacja, 'x', 'y'});
    GR.kupno(&kasa, 2, 0);
    EXPECT_TRUE(widac(s, "brak zawodnikow na rynku!"));
    EXPECT_EQ((std::array{GR.ilegraczy(), GR.oferty, int(s.pozostalo())}), (std::array{1, 1, 0}));
}

TEST(Rynek, CashDecidesThePurchaseAndTheTwentiethPlayerClosesTheRoom) {
    for (auto [kasa_przed, kupiony] : {std::pair{1173, true}, {1172, false}, {-500, false}}) {
        rynek_testowy();
        podrzuc({0, 1, 0, 0, 0, 1, 0});
        int kasa = kasa_przed;
        skrypt s{dol, gora, dol, spacja, 'x'};
        GR.kupno(&kasa, 2, 0);
        EXPECT_EQ(s.migawki()[1].wiersze[9], " kupujesz (gora/dol)");
        EXPECT_EQ(s.migawki()[0].wiersze[1], " KASA:" + std::to_string(kasa_przed));
        EXPECT_EQ((std::array{GR.ilegraczy(), kasa}),
                  (std::array{kupiony ? 1 : 0, kupiony ? 0 : kasa_przed}));
        EXPECT_TRUE(
            widac(s, kupiony ? " Transfer udany! Trzeba to oblac!" : "Nie stac cie biedaku!"));
    }
    rynek_testowy();
    for (int i = 0; i < 20; ++i) zawodnik(i, "G", 2, 40);
    zawodnik(4, "Stary", 2, 99, 0, 1, 9);
    GR.bramki[4] = 7, ST.propozycje_lowcy = 3;
    podrzuc({0, 1, 0, 0, 0, 0, 12});
    int kasa = 100000;
    skrypt s{dol, spacja, 'x', 'y'};
    GR.kupno(&kasa, 2, 0);
    EXPECT_EQ(s.pozostalo(), 0u);
    EXPECT_TRUE(widac(s, "Juz nie ma miejsca w szatni!"));
    EXPECT_STREQ(GR.imie[4], "Nazwa0");  // the lowest free slot, every field written again
    EXPECT_EQ(pola(GR, 4), (std::array{10, 20, 18, 0, 0, 0, 1, 0}));
    EXPECT_EQ(GR.oferty, 1);  // the rest of the round's offers wait for room
}

TEST(Sprzedaz, SellsTheMarkedPlayerAtHisListedPriceWithAPause) {
    czysta_gra();
    zeruj_znacznik_skladu();
    zawodnik(0, "Tani", 1, 10, 30);
    zawodnik(1, "Gwiazda", 2, 100, 18, 1, 9);
    int kasa = 1000;
    skrypt s{prawo, lewo, dol, enter, spacja};
    GR.sprzedarz(&kasa);
    EXPECT_EQ(kasa, 1000 + 3020951);
    EXPECT_EQ((std::array{GR.wiek[0], GR.wiek[1], GR.umiejetnosci[1], GR.sprawdzskl()}),
              (std::array{30, 0, 100, 1}));
    EXPECT_EQ(s.pauzy(), std::vector<int>{500});
    kasa = INT_MAX - 5;
    s.dodaj({enter, spacja});  // the marker moved up to the one row left
    GR.sprzedarz(&kasa);
    EXPECT_EQ((std::array{kasa, GR.ilegraczy()}), (std::array{INT_MAX, 0}));
}
