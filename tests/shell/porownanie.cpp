#include "porownanie.h"

#include <gtest/gtest.h>

#include <string>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "squad/gracze.h"

void oczekuj_tych_samych(const zespoly& a, const zespoly& b) {
    EXPECT_EQ(a.sezon, b.sezon);
    EXPECT_EQ(a.nr_kolejki, b.nr_kolejki);
    EXPECT_EQ(a.twojaliga, b.twojaliga);
    EXPECT_EQ(a.twojadruzyna, b.twojadruzyna);
    EXPECT_EQ(a.puchar, b.puchar);
    EXPECT_EQ(a.rywal_pucharu, b.rywal_pucharu);
    EXPECT_EQ(a.dwumecz_zdobyte, b.dwumecz_zdobyte);
    EXPECT_EQ(a.dwumecz_stracone, b.dwumecz_stracone);
    EXPECT_EQ(a.mecz_pucharowy, b.mecz_pucharowy);
    for (int t = 0; t < zespoly::lig; ++t) {
        for (int d = 0; d < zespoly::druzyn; ++d) {
            SCOPED_TRACE(std::to_string(t) + "/" + std::to_string(d));
            EXPECT_STREQ(a.nazwa[t][d], b.nazwa[t][d]);
            EXPECT_EQ(a.sila[t][d], b.sila[t][d]);
            EXPECT_EQ(a.strzelone[t][d], b.strzelone[t][d]);
            EXPECT_EQ(a.stracone[t][d], b.stracone[t][d]);
            EXPECT_EQ(a.remisy[t][d], b.remisy[t][d]);
            EXPECT_EQ(a.zwyciestwa[t][d], b.zwyciestwa[t][d]);
            EXPECT_EQ(a.porazki[t][d], b.porazki[t][d]);
            EXPECT_EQ(a.punkty[t][d], b.punkty[t][d]);
        }
    }
}

void oczekuj_tych_samych(const gracze& a, const gracze& b) {
    EXPECT_EQ(a.morale, b.morale);
    EXPECT_EQ(a.oferty, b.oferty);
    ASSERT_EQ(a.ilegraczy(), b.ilegraczy());
    for (int i = 0; i < gracze::miejsc; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(a.wiek[i] > 0, b.wiek[i] > 0);
        if (a.wiek[i] <= 0) continue;
        EXPECT_STREQ(a.imie[i], b.imie[i]);
        EXPECT_EQ(a.umiejetnosci[i], b.umiejetnosci[i]);
        EXPECT_EQ(a.sily[i], b.sily[i]);
        EXPECT_EQ(a.wiek[i], b.wiek[i]);
        EXPECT_EQ(a.meczy[i], b.meczy[i]);
        EXPECT_EQ(a.bramki[i], b.bramki[i]);
        EXPECT_EQ(a.bramkostrzelnosc[i], b.bramkostrzelnosc[i]);
        EXPECT_EQ(a.pozycja[i], b.pozycja[i]);
        EXPECT_EQ(a.gra[i], b.gra[i]);
    }
}

void oczekuj_tych_samych(const boisko& a, const boisko& b) {
    EXPECT_EQ(a.kasa, b.kasa);
    EXPECT_EQ(a.pojemnosc, b.pojemnosc);
    EXPECT_EQ(a.dlug, b.dlug);
    EXPECT_EQ(a.dni_dlugu, b.dni_dlugu);
    EXPECT_EQ(a.kwota_sponsora, b.kwota_sponsora);
    EXPECT_STREQ(a.nazwa_sponsora, b.nazwa_sponsora);
    EXPECT_EQ(a.policja, b.policja);
    EXPECT_EQ(a.budki, b.budki);
    EXPECT_EQ(a.liga, b.liga);
    EXPECT_EQ(a.poziom_ceny, b.poziom_ceny);
    EXPECT_EQ(a.placa, b.placa);
    EXPECT_EQ(a.koszt_lowcy, b.koszt_lowcy);
    EXPECT_EQ(a.propozycje_lowcy, b.propozycje_lowcy);
}
