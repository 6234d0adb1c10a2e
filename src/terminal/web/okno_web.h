#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "terminal/okno_bazowe.h"
#include "terminal/transkrypt.h"

// The console shown in the page: the game's key read and pause wait for the browser's events
// (Asyncify suspends the game meanwhile). Starting it makes it the game's terminal.
class okno_web : public okno_bazowe {
  public:
    // A console window's 25 rows for the game and, under them, the key-help line.
    static constexpr int wierszy_okna = widok_okna::wierszy_z_pomoca + 1;

    okno_web();

  private:
    void maluj(const ekran& e) override;
    // The page is painted only when no event is already waiting, in czytaj.
    void przed_klawiszem(const ekran&) override {}
    std::optional<odczyt> czytaj(const ekran& e) override;
    void uspij(int milisekundy) override;
    void powiedz(const std::vector<std::string>& linie);

    std::vector<std::uint32_t> klatka_;
    // The same screen as plain lines for the page's log.
    transkrypt transkrypt_;
    // The status message the page's message line shows, sent again only when it changes.
    std::string stan_;
};
