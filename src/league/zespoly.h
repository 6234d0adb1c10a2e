#pragma once
#include <string>

// The three leagues of 18 clubs, the season and round counters, the user's club and the
// user's run in the cup. One instance: DR.
class zespoly {
public:
    static constexpr int lig = 3;
    static constexpr int druzyn = 18;

    zespoly();

    int sezon{};
    int nr_kolejki{};
    int twojaliga{};
    int twojadruzyna{};
    int puchar{};
    int rywal_pucharu{};
    int dwumecz_zdobyte{};
    int dwumecz_stracone{};
    int mecz_pucharowy{};
    char nazwa[lig][druzyn][24]{};
    int sila[lig][druzyn]{};
    int strzelone[lig][druzyn]{};
    int stracone[lig][druzyn]{};
    int remisy[lig][druzyn]{};
    int zwyciestwa[lig][druzyn]{};
    int porazki[lig][druzyn]{};
    int punkty[lig][druzyn]{};

    // A file that cannot be read whole and valid leaves the object as it was; blad says why.
    bool load(const char* sciezka, std::string* blad = nullptr);
    bool save(const char* sciezka) const;

    // The user's opponent slot in round kolejka; *gdzie = 0 home, 1 away.
    int zkimmecz(int* gdzie, int kolejka) const;
    // Books gole_gospodarza:gole_goscia between two slots of one tier.
    void zaksieguj(int liga, int gospodarz, int gosc, int gole_gospodarza, int gole_goscia);
    void graj(int liga);
    void tabela(int liga) const;
    int ktoremiejsce(int liga, int druzyna) const;
    void pokaznastepnymecz() const;
    int kibicow(int poziom_ceny) const;
    void koniecsezonu();
};

extern zespoly DR;

// Round runda's pairs (home, away) of a double round robin among n = 18 slots.
void kolejka(int* pary, int runda, int n);
// Slots ranked by descending key; equal keys keep ascending slot order.
void sortuj(const int* klucze, int* ranking, int n);
