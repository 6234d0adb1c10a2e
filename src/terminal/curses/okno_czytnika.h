#pragma once
#include <termios.h>

#include <deque>
#include <string>
#include <vector>

#include "terminal/ekran.h"
#include "terminal/klawiatura.h"
#include "terminal/terminal.h"
#include "terminal/transkrypt.h"

// The console for a screen reader: keys read raw and unechoed as in the window, the screen
// written as plain lines to standard output (never an escape byte), so a terminal's screen
// reader or braille display reads it in order. F2 says the whole screen again and never
// reaches the game. Starting it makes it the game's terminal; the terminal's settings are
// back as they were when it ends.
class okno_czytnika : public terminal {
  public:
    okno_czytnika();
    ~okno_czytnika() override;
    okno_czytnika(const okno_czytnika&) = delete;
    okno_czytnika& operator=(const okno_czytnika&) = delete;

    int klawisz(const ekran& e) override;
    void czekaj(int milisekundy, const ekran& e) override;

  private:
    void pisz(const std::vector<std::string>& linie);
    // One press into n; false for the repeat key, which is answered here. PgUp and PgDn
    // reach no one, as in the window: there is nothing to scroll.
    bool czytaj(nacisniecie& n);
    // The next byte from the keyboard; -1 when none came within `milisekund` (-1: wait).
    int bajt(int milisekund);

    termios poczatkowy_{};
    transkrypt transkrypt_;
    std::deque<int> oczekujace_;
    terminal* poprzedni_ = nullptr;
};
