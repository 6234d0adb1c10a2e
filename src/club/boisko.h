#pragma once
#include <string>

// The club: cash, bank debt, stadium, stands, police, wage, ticket price, sponsor and talent
// scout. One instance: ST. Money is whole zl in a signed 32-bit int that saturates instead of
// wrapping (wspolne/pieniadze.h).
class boisko {
  public:
    static constexpr int nazw_sponsorow = 30;
    // The loan's term on the clock: repaying opens at splata_od, borrowing closes after
    // pobieranie_do; at termin_dlugu transfers are banned and morale suffers every match.
    static constexpr int splata_od = 10;
    static constexpr int termin_dlugu = 20;
    static constexpr int pobieranie_do = termin_dlugu - 1;

    boisko();

    int kasa{};       // cash in zl; negative when match-day costs exceed it
    int pojemnosc{};  // seats; the stadium screen moves it by 50, lowering only above 50
    int dlug{};       // bank debt in zl, at least 0
    // The loan clock: league matches played in debt, 0..termin_dlugu (cup legs do not count).
    // Back to 0 when a match's accounts end without debt.
    int dni_dlugu{};
    int kwota_sponsora{};       // the sponsor's pay per match in zl; 0 means no sponsor
    char nazwa_sponsora[20]{};  // the current (or last) sponsor, one word of at most 19 chars
    int policja{};              // police officers, at least 0
    int budki{};                // hot-dog stands, at least 0
    int liga{};                 // the user's tier 0..2, copied from DR at every season end
    int poziom_ceny{};          // ticket price level: 0 free, 1 low, 2 fair, 3 high
    int placa{};                // wage per player per match in zl; steps of 50, lowered above 50
    char sponsorzy[nazw_sponsorow][20]{};  // sponsor name pool for the offers
    int koszt_lowcy{};                     // the talent scout's fee per match; 0 means no scout
    int propozycje_lowcy{};                // extra market offers per round from the scout, 0..3

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
    bool zakaz_transferow() const { return dni_dlugu >= termin_dlugu; }
};

extern boisko ST;

int cena_biletu(int liga, int poziom);
int zarobki(int placa, int liga);
