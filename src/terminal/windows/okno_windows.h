#pragma once
#include <windows.h>

#include <vector>

#include "terminal/ekran.h"
#include "terminal/okno_bazowe.h"

// The console shown in a Windows console window. The game draws on a screen buffer of its own,
// so the window's text, colours and cursor are untouched underneath and come back when it
// ends; starting it makes it the game's terminal, oddaj_konsole gives the console back.
class okno_windows : public okno_bazowe {
  public:
    okno_windows();
    ~okno_windows() override;

  private:
    void sprawdz_przerwanie() override;
    void maluj(const ekran& e) override;
    std::optional<odczyt> czytaj(const ekran& e) override;
    void uspij(int milisekundy) override;
    bool za_male() const;
    odczyt nastepne();

    HANDLE wejscie_;
    HANDLE bufor_;
    std::vector<CHAR_INFO> ostatni_;
    SMALL_RECT ostatnie_okno_{};
};

// Puts back the screen buffer and input mode the console had before the game; harmless when
// the game has not taken it. Safe to call from a crash handler.
void oddaj_konsole();
