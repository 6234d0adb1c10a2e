#pragma once
#include <string>

// The user's players (21 slots; a slot is occupied when its wiek is above 0), the squad's
// morale, the transfer market's name pool and the market offers used this round. One
// instance: GR.
class gracze {
  public:
    static constexpr int miejsc = 21;
    static constexpr int nazw_rynku = 70;

    char rynek[nazw_rynku][15]{};
    int morale{};
    int pozycja[miejsc]{};
    int sily[miejsc]{};
    int bramkostrzelnosc[miejsc]{};
    int wiek[miejsc]{};
    int gra[miejsc]{};
    int meczy[miejsc]{};
    char imie[miejsc][15]{};
    int umiejetnosci[miejsc]{};
    int bramki[miejsc]{};
    int oferty{};

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
    void kupno(int* kasa, int liga, int dni_dlugu);
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
