#pragma once
#include <windows.h>

#include <vector>

#include "terminal/ekran.h"
#include "terminal/klawiatura.h"
#include "terminal/kolejka_bajtow.h"
#include "terminal/terminal.h"
#include "terminal/widok_okna.h"

// The console shown in a Windows console window. The game draws on a screen buffer of its own,
// so the window's text, colours and cursor are untouched underneath and come back when it
// ends; starting it makes it the game's terminal, oddaj_konsole gives the console back.
class okno_windows : public terminal {
  public:
    okno_windows();
    ~okno_windows() override;
    okno_windows(const okno_windows&) = delete;
    okno_windows& operator=(const okno_windows&) = delete;

    int klawisz(const ekran& e) override;
    void czekaj(int milisekundy, const ekran& e) override;

  private:
    struct odczyt {
        nacisniecie n;
        int razy;
    };

    void maluj(const ekran& e);
    bool za_male() const;
    odczyt czytaj();

    HANDLE wejscie_;
    HANDLE bufor_;
    std::vector<CHAR_INFO> ostatni_;
    SMALL_RECT ostatnie_okno_{};
    kolejka_bajtow oczekujace_;
    widok_okna widok_;
    terminal* poprzedni_ = nullptr;
};

// Puts back the screen buffer and input mode the console had before the game; harmless when
// the game has not taken it. Safe to call from a crash handler.
void oddaj_konsole();
