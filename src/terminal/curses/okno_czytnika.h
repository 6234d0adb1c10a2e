#pragma once
#include <termios.h>

#include <optional>
#include <string_view>

#include "terminal/okno_tekstowe.h"

// The plain lines on a terminal: keys read raw and unechoed from it, lines to standard
// output, never an escape byte. The terminal's settings are back as they were when it ends.
class okno_czytnika : public okno_tekstowe {
  public:
    okno_czytnika();
    ~okno_czytnika() override;

  private:
    void sprawdz_przerwanie() override;
    std::optional<odczyt> czytaj(const ekran& e) override;
    void uspij(int milisekundy) override;
    void pisz(std::string_view tekst) override;
    // The next press; nullopt for the repeat key.
    std::optional<nacisniecie> nastepne();
    // The next byte from the keyboard; -1 when none came within `milisekund` (-1: wait).
    int bajt(int milisekund);

    termios poczatkowy_{};
};
