#pragma once
#include <array>
#include <optional>

#include "terminal/ekran.h"
#include "terminal/klawiatura.h"
#include "terminal/kolory.h"
#include "terminal/okno_bazowe.h"

// The console shown in a curses window. Starting it starts curses and makes it the game's
// terminal; ending curses is zakoncz_okno's job alone.
class okno_curses : public okno_bazowe {
  public:
    okno_curses();

  private:
    struct wyglad_komorki {
        unsigned atrybuty;
        short para;
    };

    void sprawdz_przerwanie() override;
    void maluj(const ekran& e) override;
    std::optional<odczyt> czytaj(const ekran& e) override;
    void uspij(int milisekundy) override;
    void prosba();
    void postaw(int wiersz, int kolumna, const ekran::komorka& k);
    const wyglad_komorki& wyglad_bajtu(int atrybut);
    nacisniecie nastepne();
    nacisniecie po_escape();

    int kolorow_ = 0;
    bool utf8_ = false;
    pary_kolorow pary_{0};
    std::array<std::optional<wyglad_komorki>, 256> wyglady_{};
};

// Ends curses and gives the terminal back as it was; harmless when curses is not running.
void zakoncz_okno();
