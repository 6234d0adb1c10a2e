#pragma once
#include <optional>
#include <string>

#include "terminal/ekran.h"
#include "terminal/klawiatura.h"
#include "terminal/kolejka_bajtow.h"
#include "terminal/terminal.h"
#include "terminal/widok_okna.h"

// What every real window (curses, the Windows console, the page) does alike: it is the game's
// terminal while it exists, keeps the view and the bytes of keys read ahead, and runs the key
// read and the pause. A backend adds only how its platform paints, reads a press and sleeps.
class okno_bazowe : public terminal {
  public:
    okno_bazowe(const okno_bazowe&) = delete;
    okno_bazowe& operator=(const okno_bazowe&) = delete;

    int klawisz(const ekran& e) final;
    void czekaj(int milisekundy, const ekran& e) final;

  protected:
    // One press as read, with how many times a held key repeated.
    struct odczyt {
        nacisniecie n;
        int razy = 1;
    };

    okno_bazowe();
    ~okno_bazowe() override;

    // Ends the game's wait when the player ended the game (a signal, a closed window).
    virtual void sprawdz_przerwanie() {}
    virtual void maluj(const ekran& e) = 0;
    // Before each look at the keys read ahead: by default the window is brought up to date.
    virtual void przed_klawiszem(const ekran& e);
    // Waits for the next press; nullopt when it is nothing for the view or the game.
    virtual std::optional<odczyt> czytaj(const ekran& e) = 0;
    virtual void uspij(int milisekundy) = 0;

    widok_okna widok_;

  private:
    kolejka_bajtow oczekujace_;
    terminal* poprzedni_ = nullptr;
};

// Tells the player on standard error, as "bramkowiec: <tekst>".
void na_stderr(const std::string& tekst);
// The process status of a game that ended with the error blad (none when empty), told first.
int status_po_bledzie(const std::string& blad);
