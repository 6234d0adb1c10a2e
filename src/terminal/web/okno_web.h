#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "terminal/kolejka_bajtow.h"
#include "terminal/terminal.h"
#include "terminal/transkrypt.h"
#include "terminal/widok_okna.h"

// The console shown in the page: the game's key read and pause wait for the browser's events
// (Asyncify suspends the game meanwhile). Starting it makes it the game's terminal.
class okno_web : public terminal {
  public:
    // A console window's 25 rows for the game and, under them, the key-help line.
    static constexpr int wierszy_okna = widok_okna::wierszy_z_pomoca + 1;

    okno_web();
    ~okno_web() override;
    okno_web(const okno_web&) = delete;
    okno_web& operator=(const okno_web&) = delete;

    int klawisz(const ekran& e) override;
    void czekaj(int milisekundy, const ekran& e) override;

  private:
    void maluj(const ekran& e);
    void powiedz(const std::vector<std::string>& linie);

    kolejka_bajtow oczekujace_;
    std::vector<std::uint32_t> klatka_;
    widok_okna widok_;
    // The same screen as plain lines for the page's log.
    transkrypt transkrypt_;
    terminal* poprzedni_ = nullptr;
};
