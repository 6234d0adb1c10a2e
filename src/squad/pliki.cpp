#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

#include "jezyk/jezyk.h"
#include "squad/gracze.h"
#include "wspolne/czytnik.h"

gracze GR;

int gracze::ilegraczy() const {
    int n = 0;
    for (int w : wiek) n += w > 0 ? 1 : 0;
    return n;
}

namespace {

bool zawodnik(czytnik& c, gracze& g, int i) {
    if (!c.nazwa(g.imie[i], sizeof g.imie[i])) return false;
    int* pola[] = {&g.umiejetnosci[i],     &g.sily[i],    &g.wiek[i], &g.meczy[i], &g.bramki[i],
                   &g.bramkostrzelnosc[i], &g.pozycja[i], &g.gra[i]};
    for (int* pole : pola) {
        if (!c.liczba(*pole)) return false;
    }
    if (g.pozycja[i] < gracze::bramkarz || g.pozycja[i] > gracze::napastnik) {
        c.zly_zakres(_("pozycja zawodnika ") + std::string(g.imie[i]) + _(" to ") +
                     std::to_string(g.pozycja[i]) + _(", a musi byc od 0 do 3"));
        return false;
    }
    return true;
}

bool zglos(const czytnik& c, std::string* blad) {
    if (blad != nullptr) *blad = c.blad();
    return false;
}

}  // namespace

bool gracze::load(const char* sciezka, std::string* blad) {
    czytnik c(sciezka);
    gracze nowe = *this;
    if (!c.liczba(nowe.morale) || !c.liczba(nowe.oferty)) return zglos(c, blad);
    // Every slot without a player line ends up free but keeps its other fields.
    std::fill(std::begin(nowe.wiek), std::end(nowe.wiek), 0);
    for (int i = 0; !c.na_koncu(); ++i) {
        if (i == miejsc) {
            c.zly_plik(_("w kadrze jest wiecej niz ") + std::to_string(miejsc) + _(" zawodnikow"));
            return zglos(c, blad);
        }
        if (!zawodnik(c, nowe, i)) return zglos(c, blad);
    }
    *this = nowe;
    return true;
}

bool gracze::save(const char* sciezka) const {
    std::FILE* f = std::fopen(sciezka, "w");
    if (f == nullptr) return false;
    bool dobrze = std::fprintf(f, "%d %d\n", morale, oferty) > 0;
    for (int i = 0; i < miejsc && dobrze; ++i) {
        if (wiek[i] == 0) continue;
        dobrze =
            std::fprintf(f, "%s %d %d %d %d %d %d %d %d\n", imie[i], umiejetnosci[i], sily[i],
                         wiek[i], meczy[i], bramki[i], bramkostrzelnosc[i], pozycja[i], gra[i]) > 0;
    }
    return (std::fclose(f) == 0) && dobrze;
}

bool gracze::loadrynek(const char* sciezka, std::string* blad) {
    czytnik c(sciezka);
    char nowe[nazw_rynku][15]{};
    for (int k = 0; k < nazw_rynku; ++k) {
        if (c.otwarty() && c.na_koncu()) {
            c.zly_plik(_("za malo nazwisk na rynku: jest ") + std::to_string(k) + _(", potrzeba ") +
                       std::to_string(nazw_rynku));
            return zglos(c, blad);
        }
        if (!c.nazwa(nowe[k], sizeof nowe[k])) return zglos(c, blad);
    }
    std::memcpy(rynek, nowe, sizeof rynek);
    return true;
}
