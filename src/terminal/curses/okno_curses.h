#pragma once
#include <array>
#include <optional>

#include "terminal/ekran.h"
#include "terminal/klawiatura.h"
#include "terminal/kolejka_bajtow.h"
#include "terminal/kolory.h"
#include "terminal/terminal.h"
#include "terminal/widok_okna.h"

// The console shown in a curses window. Starting it starts curses and makes it the game's
// terminal; ending curses is zakoncz_okno's job alone.
class okno_curses : public terminal {
  public:
    okno_curses();
    ~okno_curses() override;
    okno_curses(const okno_curses&) = delete;
    okno_curses& operator=(const okno_curses&) = delete;

    int klawisz(const ekran& e) override;
    void czekaj(int milisekundy, const ekran& e) override;

  private:
    struct wyglad_komorki {
        unsigned atrybuty;
        short para;
    };

    void maluj(const ekran& e);
    void prosba();
    void postaw(int wiersz, int kolumna, const ekran::komorka& k);
    const wyglad_komorki& wyglad_bajtu(int atrybut);
    nacisniecie czytaj();
    nacisniecie po_escape();

    int kolorow_ = 0;
    bool utf8_ = false;
    pary_kolorow pary_{0};
    std::array<std::optional<wyglad_komorki>, 256> wyglady_{};
    kolejka_bajtow oczekujace_;
    widok_okna widok_;
    terminal* poprzedni_ = nullptr;
};

// Ends curses and gives the terminal back as it was; harmless when curses is not running.
void zakoncz_okno();
