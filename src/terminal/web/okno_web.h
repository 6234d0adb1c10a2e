#pragma once
#include <cstdint>
#include <deque>
#include <vector>

#include "terminal/terminal.h"

// The console shown in the page: the game's key read and pause wait for the browser's events
// (Asyncify suspends the game meanwhile). Starting it makes it the game's terminal.
class okno_web : public terminal {
  public:
    // The window the page shows of the buffer, as many rows as a console window has.
    static constexpr int wierszy_okna = 25;

    okno_web();
    ~okno_web() override;
    okno_web(const okno_web&) = delete;
    okno_web& operator=(const okno_web&) = delete;

    int klawisz(const ekran& e) override;
    void czekaj(int milisekundy, const ekran& e) override;

  private:
    void maluj(const ekran& e);

    std::deque<int> oczekujace_;
    std::vector<std::uint32_t> klatka_;
    terminal* poprzedni_ = nullptr;
};
