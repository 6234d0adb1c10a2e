#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "squad/gracze.h"
#include "wspolne/czytnik.h"

gracze GR;

int gracze::ilegraczy() const {
    int n = 0;
    for (int w : wiek) n += w > 0 ? 1 : 0;
    return n;
}

namespace {

// A name is a word the screens can print and the squad file can hold: a control byte (a NUL
// above all, which would end the name early or leave it empty) is refused.
bool czytaj_nazwe(czytnik& c, char (&cel)[15]) {
    if (!c.nazwa(cel, sizeof cel)) return false;
    auto sterujacy = [](char z) { return static_cast<unsigned char>(z) < 32 || z == 127; };
    if (cel[0] != '\0' && std::none_of(cel, cel + std::strlen(cel), sterujacy)) return true;
    c.zly_zakres("nazwa zawiera niedozwolony znak (znak sterujacy)");
    return false;
}

bool zawodnik(czytnik& c, gracze& g, int i) {
    if (!czytaj_nazwe(c, g.imie[i])) return false;
    int* pola[] = {&g.umiejetnosci[i],     &g.sily[i],    &g.wiek[i], &g.meczy[i], &g.bramki[i],
                   &g.bramkostrzelnosc[i], &g.pozycja[i], &g.gra[i]};
    for (int* pole : pola) {
        if (!c.liczba(*pole)) return false;
    }
    if (g.pozycja[i] < 0 || g.pozycja[i] > 3) {
        c.zly_zakres("pozycja zawodnika " + std::string(g.imie[i]) + " to " +
                     std::to_string(g.pozycja[i]) + ", a musi byc od 0 do 3");
        return false;
    }
    return true;
}

// The number of white-space-separated words in the file, 0 when it cannot be read.
int slowa(const char* sciezka) {
    std::ifstream plik(sciezka);
    int n = 0;
    for (std::string slowo; plik >> slowo;) ++n;
    return n;
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
    // A player line is a name and eight numbers; an incomplete last one is reported as such.
    int linie = (slowa(sciezka) - 2 + 8) / 9;
    for (int i = 0; i < miejsc; ++i) {
        // A slot without a player line stays free but keeps its other fields.
        nowe.wiek[i] = 0;
        if (i < linie && !zawodnik(c, nowe, i)) return zglos(c, blad);
    }
    if (linie > miejsc) {
        if (blad != nullptr) {
            *blad = "w kadrze jest " + std::to_string(linie) + " zawodnikow, a miejsc tylko " +
                    std::to_string(miejsc);
        }
        return false;
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
    if (!c.otwarty()) return zglos(c, blad);
    if (int n = slowa(sciezka); n < nazw_rynku) {
        if (blad != nullptr) {
            *blad = "za malo nazwisk na rynku: jest " + std::to_string(n) + ", potrzeba " +
                    std::to_string(nazw_rynku);
        }
        return false;
    }
    char nowe[nazw_rynku][15]{};
    for (auto& wpis : nowe) {
        if (!czytaj_nazwe(c, wpis)) return zglos(c, blad);
    }
    std::memcpy(rynek, nowe, sizeof rynek);
    return true;
}
