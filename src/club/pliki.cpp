#include <cstdio>
#include <string>

#include "club/boisko.h"
#include "jezyk/jezyk.h"
#include "wspolne/czytnik.h"

namespace {

// Reads the club's values one by one, each under its name, so a message says which it was.
class odczyt {
  public:
    explicit odczyt(const char* sciezka) : c_(sciezka) {}

    bool liczba(int& pole, const char* co) {
        c_.pole(co);
        return c_.liczba(pole);
    }
    bool liczba_bez_znaku(int& pole, const char* co) {
        c_.pole(co);
        return c_.liczba_bez_znaku(pole);
    }
    bool nazwa(char* pole, std::size_t rozmiar, const std::string& co) {
        c_.pole(co);
        return c_.nazwa(pole, rozmiar);
    }
    bool liga(int& pole) {
        if (!liczba(pole, _("liga"))) return false;
        if (pole >= 0 && pole <= 2) return true;
        c_.zly_zakres(_("liga musi byc 0, 1 albo 2, a jest ") + std::to_string(pole));
        return false;
    }

    void zglos(std::string* blad) const {
        if (blad != nullptr) *blad = c_.blad();
    }

  private:
    czytnik c_;
};

}  // namespace

bool boisko::load(const char* sciezka, std::string* blad) {
    odczyt o(sciezka);
    boisko nowy = *this;
    bool dobrze = o.liczba_bez_znaku(nowy.kasa, _("kasa")) &&
                  o.liczba_bez_znaku(nowy.pojemnosc, _("pojemnosc")) &&
                  o.liczba_bez_znaku(nowy.dlug, _("dlug")) &&
                  o.liczba(nowy.dni_dlugu, _("dni dlugu")) &&
                  o.liczba_bez_znaku(nowy.kwota_sponsora, _("kwota sponsora")) &&
                  o.nazwa(nowy.nazwa_sponsora, sizeof nowy.nazwa_sponsora, _("nazwa sponsora")) &&
                  o.liczba(nowy.policja, _("policja")) && o.liczba(nowy.budki, _("budki")) &&
                  o.liga(nowy.liga) && o.liczba_bez_znaku(nowy.placa, _("placa")) &&
                  o.liczba(nowy.poziom_ceny, _("poziom cen")) &&
                  o.liczba(nowy.koszt_lowcy, _("koszt lowcy")) &&
                  o.liczba(nowy.propozycje_lowcy, _("propozycje lowcy"));
    if (!dobrze) {
        o.zglos(blad);
        return false;
    }
    *this = nowy;
    return true;
}

bool boisko::loadsponsor(const char* sciezka, std::string* blad) {
    odczyt o(sciezka);
    char nazwy[nazw_sponsorow][20]{};
    for (int i = 0; i < nazw_sponsorow; ++i) {
        std::string co = _("nazwa sponsora nr ") + std::to_string(i + 1) + " z " +
                         std::to_string(nazw_sponsorow);
        if (!o.nazwa(nazwy[i], sizeof nazwy[i], co)) {
            o.zglos(blad);
            return false;
        }
    }
    std::copy(&nazwy[0][0], &nazwy[0][0] + sizeof nazwy, &sponsorzy[0][0]);
    return true;
}

// Negative money goes out as its 32-bit two's complement, as the reader expects it back.
bool boisko::save(const char* sciezka) const {
    std::FILE* plik = std::fopen(sciezka, "w");
    if (plik == nullptr) return false;
    auto bez_znaku = [](int v) { return static_cast<unsigned>(v); };
    bool dobrze = std::fprintf(plik, "%u\n%u\n%u\n%d\n%u\n%.19s\n%d\n%d\n%d\n%u\n%d\n%d\n%d\n",
                               bez_znaku(kasa), bez_znaku(pojemnosc), bez_znaku(dlug), dni_dlugu,
                               bez_znaku(kwota_sponsora), nazwa_sponsora, policja, budki, liga,
                               bez_znaku(placa), poziom_ceny, koszt_lowcy, propozycje_lowcy) >= 0;
    return std::fclose(plik) == 0 && dobrze;
}
