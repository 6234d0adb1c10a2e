#pragma once
#include <string>

// The user's players, the squad's morale, the transfer market's name pool and the market
// offers used this round. One instance: GR. Players live in 21 slots of parallel arrays; a
// slot is free when its wiek is 0 (or below, only from a damaged file) and then keeps the
// other fields, name included, of the player who left it.
class gracze {
  public:
    static constexpr int miejsc = 21;
    static constexpr int nazw_rynku = 70;

    // Position codes; a player is printed in the colour kolor_pozycji gives the code.
    static constexpr int bramkarz = 0;
    static constexpr int obronca = 1;
    static constexpr int pomocnik = 2;
    static constexpr int napastnik = 3;
    static constexpr int pozycji = 4;
    static constexpr int kolor_pozycji(int pozycja) { return 9 + 2 * pozycja; }
    // The positions' short names in their colours, for a screen's key help.
    static std::string legenda_pozycji();

    char rynek[nazw_rynku][15]{};  // market names, one word of at most 14 characters each
    int morale{};                  // the squad's morale, 0..100; scales every line's strength
    // Indexed by slot 0..20.
    int pozycja[miejsc]{};           // position code 0..3, see above
    int sily[miejsc]{};              // fitness 0..23: 20 fresh, -1 a match played, back when rested
    int bramkostrzelnosc[miejsc]{};  // goal-scoring ability: 0 at the back, 1..13 further up
    int wiek[miejsc]{};              // age in years; 0 marks a free slot
    int gra[miejsc]{};               // 1 selected for the next match, 0 not
    int meczy[miejsc]{};             // matches played, whole career
    char imie[miejsc][15]{};         // name, one word of at most 14 characters
    int umiejetnosci[miejsc]{};      // skill; with age it sets the price
    int bramki[miejsc]{};            // goals scored, whole career
    int oferty{};  // market offers used since this league round began; reset by the match day

    // A file that cannot be read whole and valid leaves the object as it was; blad says why.
    bool load(const char* sciezka, std::string* blad = nullptr);
    bool save(const char* sciezka) const;
    bool loadrynek(const char* sciezka, std::string* blad = nullptr);
    int ilegraczy() const;

    float sila_meczy(int meczy) const;
    int obrona() const;
    int pomoc() const;
    int atak() const;
    int sprawdzskl() const;
    int sprawdzbrm() const;

    char pokazsklad(int* wybrany);
    void sklad();
    void kupno(int* kasa, int liga, bool zakaz_transferow);
    void sprzedarz(int* kasa);

    void ktostrzelil(int gole);
    void pomeczu(int walkower);
    void koniecsezonu();
};

extern gracze GR;

// Puts the squad screen's marker back on the first row, as at program start (for tests).
void zeruj_znacznik_skladu();

// A player's price in zl from skill and age.
int cena(int umiejetnosci, int wiek);
