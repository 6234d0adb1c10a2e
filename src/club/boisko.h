#pragma once
#include <string>

// The club: cash, bank debt, stadium, stands, police, wage, ticket price, sponsor and talent
// scout. One instance: ST.
class boisko {
public:
    static constexpr int nazw_sponsorow = 30;

    boisko();

    int kasa{};
    int pojemnosc{};
    int dlug{};
    int dni_dlugu{};
    int kwota_sponsora{};
    char nazwa_sponsora[20]{};
    int policja{};
    int budki{};
    int liga{};
    int poziom_ceny{};
    int placa{};
    char sponsorzy[nazw_sponsorow][20]{};
    int koszt_lowcy{};
    int propozycje_lowcy{};

    // A file that cannot be read whole and valid leaves the object as it was; blad says why.
    bool load(const char* sciezka, std::string* blad = nullptr);
    bool save(const char* sciezka) const;
    bool loadsponsor(const char* sciezka, std::string* blad = nullptr);

    void pokaz() const;
    void stadion();
    void pomeczu(int kibice, int rezultat, int zawodnicy, int* morale, int poziom_ligi,
                 int walkower, int pucharowy);
    void nowysponsor();
    void nowy_lowca();
    void bank();
};

extern boisko ST;

int cena_biletu(int liga, int poziom);
int zarobki(int placa, int liga);
int wstawwsp(int liga);
