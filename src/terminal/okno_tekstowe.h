#pragma once
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "terminal/ekran.h"
#include "terminal/klawiatura.h"
#include "terminal/terminal.h"
#include "terminal/transkrypt.h"

// The console as plain lines for a screen reader, whatever carries them (a terminal's
// standard output, the Windows console): at each key read and pause the lines of the
// transcript, keys as in the window. The repeat key says the whole screen again and never
// reaches the game; PgUp and PgDn reach no one, as in the window, having nothing to scroll.
// A backend reads presses and writes text; installs itself while it lives.
class okno_tekstowe : public terminal {
  public:
    explicit okno_tekstowe(std::string wyjscie);
    ~okno_tekstowe() override;
    okno_tekstowe(const okno_tekstowe&) = delete;
    okno_tekstowe& operator=(const okno_tekstowe&) = delete;

    int klawisz(const ekran& e) override;
    void czekaj(int milisekundy, const ekran& e) override;

    // The window's own lines (a help overlay, a status message), said when they change.
    void ustaw_dodatkowe(std::vector<std::string> linie) { dodatkowe_ = std::move(linie); }

  protected:
    // The next press; nullopt for the repeat key.
    virtual std::optional<nacisniecie> czytaj() = 0;
    virtual void pisz(std::string_view tekst) = 0;
    virtual void spij(int milisekundy) = 0;

  private:
    void powiedz(const std::vector<std::string>& linie);

    transkrypt transkrypt_;
    std::vector<std::string> dodatkowe_;
    std::deque<int> oczekujace_;
    terminal* poprzedni_ = nullptr;
};
