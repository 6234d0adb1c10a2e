#include "shell/menu.h"

#include <gtest/gtest.h>

#include <regex>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "pomoc/gra_testowa.h"
#include "squad/gracze.h"
#include "terminal/klawisze.h"
#include "terminal/skrypt.h"

namespace {
// The marker's screen row (1-based) on the last snapshot, 0 when it is not beside an entry.
int wiersz_znacznika(const skrypt& s) {
    const migawka& m = s.migawki().back();
    for (int w = 3; w < 13; ++w) {
        if (m.wiersze[w].size() >= 17 && m.wiersze[w].compare(14, 3, "<--") == 0) return w + 1;
    }
    return 0;
}

// One menu pass per scripted key, then one more pass to see the result.
void przejdz(skrypt& s, int przebiegow) {
    for (int i = 0; i < przebiegow; ++i) menu_raz();
    s.dodaj({0});
    menu_raz();
}
}  // namespace

TEST(Menu, FirstScreenTitleRoundAndMarkerBesideTheNextMatch) {
    gra_z_danych();
    menu_od_poczatku();
    skrypt s{0};
    menu_raz();
    const migawka& m = s.migawki()[0];
    EXPECT_EQ(m.wiersze[0], DR.nazwa[DR.twojaliga][DR.twojadruzyna]);
    EXPECT_EQ(m.atrybut(0, 0), 66);
    EXPECT_EQ(m.wiersze[1], "SEZON: 1995/1996 KOLEJKA LIGOWA: 1");
    EXPECT_EQ(m.wiersze[3], "NASTEPNY MECZ <--");
    EXPECT_EQ(m.wiersze[12], "INFO");
    EXPECT_EQ(m.wiersze[14], "Nastepne mecze:");
}

TEST(Menu, ArrowsWrapBothWaysCapitalsActAsArrowsOtherKeysOnlyRedraw) {
    gra_z_danych();
    struct przypadek {
        std::initializer_list<int> klawisze;
        int wiersz;
    };
    using namespace klawisze;
    for (const przypadek& p : {przypadek{{strzalka, gora}, 13},
                               {{strzalka, gora, strzalka, dol}, 4},
                               {{'H', 'P', 'P'}, 5},
                               {{'P', enter, strzalka, prawo, 'x', 255}, 5},
                               {{dol, dol, dol, dol, dol, dol, dol, dol, dol, dol}, 4}}) {
        menu_od_poczatku();
        skrypt s(p.klawisze);
        przejdz(s, static_cast<int>(p.klawisze.size()));
        EXPECT_EQ(wiersz_znacznika(s), p.wiersz);
    }
}

TEST(Menu, TablesShowTheThreeTiersEachWaitingForItsKey) {
    gra_z_danych();
    menu_od_poczatku();
    skrypt s{'P', 'P', 'P', 'P', 'K', 0, 0, 0};
    przejdz(s, 5);
    ASSERT_EQ(s.migawki().size(), 9u);
    for (int liga = 0; liga < 3; ++liga) {
        EXPECT_EQ(
            s.migawki()[5 + liga].wiersze[0].rfind("    TABELA " + std::to_string(liga + 1), 0),
            0u);
    }
    EXPECT_EQ(wiersz_znacznika(s), 8);
}

TEST(Menu, EachScreenNamesItsKeysOutsideTheBufferInEightyColumns) {
    struct przypadek {
        int wpis;
        std::initializer_list<int> wyjscie;
        const char* klawisze;
    };
    for (const przypadek& p : {przypadek{1, {32}, "lewo/prawo: gra/nie"},
                               {2, {32}, "dol: kupujesz"},
                               {3, {32}, "ENTER SPRZEDAJE OD RAZU!"},
                               {4, {0, 0, 0}, "dowolny klawisz"},
                               {5, {32}, "lewo: wiecej"},
                               {6, {32}, "enter: wykonaj"},
                               {7, {'n'}, "t: tak"},
                               {8, {'n'}, "t: tak"},
                               {9, {0}, "powrot do menu"}}) {
        SCOPED_TRACE(p.klawisze);
        gra_z_danych();
        menu_od_poczatku();
        skrypt s;
        s.ustaw_pilota([](const ekran&) { return 32; });
        for (int i = 0; i < p.wpis; ++i) s.dodaj({80});
        s.dodaj({32});
        s.dodaj(p.wyjscie);
        przejdz(s, p.wpis + 1);
        const auto& migawki = s.migawki();
        EXPECT_NE(migawki[p.wpis + 1].podpowiedz.find(p.klawisze), std::string::npos);
        EXPECT_NE(migawki.back().podpowiedz.find("{wyjscie}"), std::string::npos);
        for (const migawka& m : migawki) {
            // The longest way out a platform names in place of {wyjscie}.
            std::string widoczne = std::regex_replace(
                std::regex_replace(m.podpowiedz, std::regex("\\{\\d+\\}"), ""),
                std::regex("\\{wyjscie\\}"), "zamkniecie karty: koniec gry bez zapisu");
            EXPECT_LE(widoczne.size(), 80u) << widoczne;
            EXPECT_EQ(
                m.podpowiedz.find_first_not_of(
                    " !()+-./:abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ{}0123456789"),
                std::string::npos);
        }
    }
}

// What threatens the next match is said when the menu comes up, not again at a marker move.
TEST(Menu, WarnsOfWhatThreatensTheNextMatchOnce) {
    struct przypadek {
        const char* nazwa;
        void (*zmien)();
        const char* poczatek;
    };
    const przypadek przypadki[] = {
        {"nothing", [] {}, ""},
        {"no fitness left",
         [] {
             for (int& s : GR.sily) s = 0;
         },
         "Uwaga: sila linii obr:0 pom:0 at:0, bez sil: Kowalczyk, Nowak, "},
        {"six selected",
         [] {
             for (int i = 0, n = 0; i < gracze::miejsc; ++i) GR.gra[i] = GR.gra[i] == 1 && ++n <= 6;
         },
         "Uwaga: wybrano 6 zawodnikow, mniej niz 7 oddaje mecz walkowerem"},
        {"the loan clock at 15", [] { std::tie(ST.dlug, ST.dni_dlugu) = std::pair(1000, 15); },
         "Uwaga: dlug od 15 kolejek, od 20. zakaz transferow"},
        {"the loan clock at 20", [] { ST.dni_dlugu = 20; },
         "Uwaga: termin dlugu minal: transfery zablokowane"}};
    for (const przypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        gra_z_danych();
        p.zmien();
        menu_od_poczatku();
        skrypt s{'P'};
        przejdz(s, 1);
        EXPECT_EQ(s.migawki()[0].stan.rfind(p.poczatek, 0), 0u) << s.migawki()[0].stan;
        EXPECT_EQ(s.migawki()[0].stan.empty(), *p.poczatek == 0);
        EXPECT_EQ(s.migawki()[1].stan, "");
    }
}
