#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "pomoc/gra_testowa.h"
#include "shell/menu.h"
#include "straznik.h"
#include "terminal/klawisze.h"
#include "terminal/skrypt.h"
#include "wspolne/los.h"

namespace {
// No single pass of the menu (a screen entered and left, a match day played) may need more.
constexpr long budzet_ekranu = 2000;

// Mostly the keys the screens act on, arrows bare or after their 224 prefix, else any byte.
// A club held at one limit of its cash has every payment and loan saturate.
void graj_losowo(unsigned ziarno, std::optional<int> kasa = {}) {
    // The name files and a save slot of its own, so ZAPIS and ODCZYT touch nothing shipped.
    katalog_roboczy katalog("malpa", {"rynek.txt", "sponsorzy.txt"});
    gra_z_danych();
    zasiej(ziarno);
    menu_od_poczatku();
    skrypt s;
    s.zapisuj_migawki(false);
    std::mt19937 los(ziarno);
    int po_prefiksie = -1;
    s.ustaw_pilota([&](const ekran&) {
        if (po_prefiksie >= 0) return std::exchange(po_prefiksie, -1);
        using namespace klawisze;
        constexpr int czeste[] = {gora,   dol,    lewo,     prawo,    gora,     dol,
                                  lewo,   prawo,  strzalka, strzalka, strzalka, spacja,
                                  spacja, spacja, enter,    tak};
        const unsigned r = los() % 20;
        if (r >= std::size(czeste)) return static_cast<int>(los() % 256);
        if (czeste[r] == klawisze::strzalka) po_prefiksie = czeste[los() % 4];
        return czeste[r];
    });
    ST.kasa = kasa.value_or(ST.kasa);
    straznik sprawdz;
    while (s.odczytow() < 50000) {
        const long przed = s.odczytow();
        menu_raz();
        ASSERT_LE(s.odczytow() - przed, budzet_ekranu) << "seed " << ziarno;
        ASSERT_TRUE(sprawdz()) << "seed " << ziarno << ", key " << s.odczytow();
        ST.kasa = kasa.value_or(ST.kasa);
    }
}
}  // namespace

TEST(Malpa, RandomKeysThroughTheMenuKeepTheGameSoundWhateverTheCash) {
    graj_losowo(1);
    graj_losowo(2, INT_MAX - 5000);
    graj_losowo(3, INT_MIN + 5000);
    graj_losowo(4);
}
