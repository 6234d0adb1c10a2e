#pragma once
#include <windows.h>

#include <optional>
#include <string_view>

#include "terminal/okno_tekstowe.h"

// The plain lines in the Windows console: keys read as in the window, lines written to the
// console the game was started in (no screen buffer of its own, no colour, no cursor moves),
// so a screen reader reads them in order. The input mode is back as it was when it ends.
class okno_czytnika : public okno_tekstowe {
  public:
    okno_czytnika();
    ~okno_czytnika() override;

  private:
    void sprawdz_przerwanie() override;
    std::optional<odczyt> czytaj(const ekran& e) override;
    void uspij(int milisekundy) override;
    void pisz(std::string_view tekst) override;

    HANDLE wejscie_;
    HANDLE wyjscie_;
    DWORD tryb_wejscia_ = 0;
    bool konsola_ = false;
};
