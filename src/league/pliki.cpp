#include <cstdio>
#include <cstring>
#include <string>

#include "jezyk/jezyk.h"
#include "league/zespoly.h"
#include "wspolne/czytnik.h"

namespace {
bool w_zakresie(czytnik& c, int wartosc, int od, int do_, const char* pole) {
    if (wartosc >= od && wartosc <= do_) return true;
    c.zly_zakres(std::string(pole) + _(" musi byc od ") + std::to_string(od) + _(" do ") +
                 std::to_string(do_) + _(" (jest ") + std::to_string(wartosc) + ")");
    return false;
}

bool naglowek(czytnik& c, zespoly& z) {
    if (!c.liczba(z.sezon) || !c.liczba(z.nr_kolejki)) return false;
    if (!w_zakresie(c, z.nr_kolejki, 0, zespoly::ostatnia_kolejka, _("numer kolejki")))
        return false;
    if (!c.liczba(z.twojaliga) ||
        !w_zakresie(c, z.twojaliga, 0, zespoly::lig - 1, _("liga gracza")))
        return false;
    return c.liczba(z.twojadruzyna) &&
           w_zakresie(c, z.twojadruzyna, 0, zespoly::druzyn - 1, _("druzyna gracza"));
}

bool puchar(czytnik& c, zespoly& z) {
    if (!c.liczba(z.puchar) ||
        !w_zakresie(c, z.puchar, 0, zespoly::final_rewanz, _("etap pucharu")))
        return false;
    if (!c.liczba(z.rywal_pucharu) ||
        !w_zakresie(c, z.rywal_pucharu, 0, zespoly::klubow - 1, _("rywal w pucharze")))
        return false;
    if (z.puchar > 0 && z.rywal_pucharu == z.twojaliga * zespoly::druzyn + z.twojadruzyna) {
        c.zly_zakres(_("rywal w pucharze nie moze byc druzyna gracza"));
        return false;
    }
    if (!c.liczba(z.mecz_pucharowy) ||
        !w_zakresie(c, z.mecz_pucharowy, 0, 1, _("znacznik meczu pucharowego")))
        return false;
    return c.liczba(z.dwumecz_zdobyte) && c.liczba(z.dwumecz_stracone);
}

// A negative count of matches or goals cannot come from play.
bool statystyka(czytnik& c, int& pole, const char* co) {
    if (!c.liczba(pole)) return false;
    if (pole >= 0) return true;
    c.zly_zakres(std::string(co) + _(" nie moze byc ujemna (jest ") + std::to_string(pole) + ")");
    return false;
}

bool nowa_nazwa(czytnik& c, const zespoly& z, int liga, int slot) {
    for (int i = 0; i < liga * zespoly::druzyn + slot; ++i) {
        if (std::strcmp(z.nazwa[i / zespoly::druzyn][i % zespoly::druzyn], z.nazwa[liga][slot]))
            continue;
        c.zly_zakres(std::string(_("druzyna \"")) + z.nazwa[liga][slot] +
                     _("\" wystepuje w pliku dwa razy (nazwy musza byc rozne)"));
        return false;
    }
    return true;
}

bool klub(czytnik& c, zespoly& z, int t, int s) {
    return c.nazwa(z.nazwa[t][s], sizeof z.nazwa[t][s]) && nowa_nazwa(c, z, t, s) &&
           c.liczba(z.sila[t][s]) && statystyka(c, z.punkty[t][s], _("liczba punktow")) &&
           statystyka(c, z.zwyciestwa[t][s], _("liczba zwyciestw")) &&
           statystyka(c, z.remisy[t][s], _("liczba remisow")) &&
           statystyka(c, z.porazki[t][s], _("liczba porazek")) &&
           statystyka(c, z.strzelone[t][s], _("liczba strzelonych bramek")) &&
           statystyka(c, z.stracone[t][s], _("liczba straconych bramek"));
}

bool wczytaj(czytnik& c, zespoly& z) {
    if (!naglowek(c, z) || !puchar(c, z)) return false;
    for (int t = 0; t < zespoly::lig; ++t) {
        for (int s = 0; s < zespoly::druzyn; ++s) {
            if (!klub(c, z, t, s)) return false;
        }
    }
    return true;
}
}  // namespace

bool zespoly::load(const char* sciezka, std::string* blad) {
    czytnik c(sciezka);
    zespoly kopia = *this;
    if (!wczytaj(c, kopia)) {
        if (blad) *blad = c.blad();
        return false;
    }
    *this = kopia;
    return true;
}

bool zespoly::save(const char* sciezka) const {
    std::FILE* plik = std::fopen(sciezka, "w");
    if (!plik) return false;
    bool dobrze =
        std::fprintf(plik, "%d %d %d %d\n", sezon, nr_kolejki, twojaliga, twojadruzyna) > 0 &&
        std::fprintf(plik, "%d %d %d %d %d\n", puchar, rywal_pucharu, mecz_pucharowy,
                     dwumecz_zdobyte, dwumecz_stracone) > 0;
    for (int t = 0; t < lig && dobrze; ++t) {
        for (int s = 0; s < druzyn && dobrze; ++s) {
            dobrze = std::fprintf(plik, "%s %d %d %d %d %d %d %d\n", nazwa[t][s], sila[t][s],
                                  punkty[t][s], zwyciestwa[t][s], remisy[t][s], porazki[t][s],
                                  strzelone[t][s], stracone[t][s]) > 0;
        }
    }
    return std::fclose(plik) == 0 && dobrze;
}
