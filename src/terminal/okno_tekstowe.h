#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "terminal/ekran.h"
#include "terminal/okno_bazowe.h"
#include "terminal/transkrypt.h"

// The console as plain lines for a screen reader, whatever carries them (a terminal's
// standard output, the Windows console): at each key read and pause the lines of the
// transcript, keys as in the window; the F1 help and the status message are lines too. The
// repeat key (F2) says the whole screen again and never reaches the game; PgUp and PgDn only
// move the unseen view, so nothing happens.
// A backend reads presses and writes text.
class okno_tekstowe : public okno_bazowe {
  protected:
    // wyjscie: how the player ends the game on this platform, for the keys' line.
    explicit okno_tekstowe(std::string wyjscie);

    // Says what changed on the screen since it last spoke.
    void maluj(const ekran& e) final;
    // The repeat key's answer.
    void powtorz(const ekran& e);
    virtual void pisz(std::string_view tekst) = 0;

  private:
    void powiedz(const std::vector<std::string>& linie);

    transkrypt transkrypt_;
};

// Whether the player asked for plain lines: BRAMKOWIEC_CZYTNIK=1.
bool tryb_czytnika();

// Plays the game in the platform's plain-text window when asked for, else in its own window.
template <class okno_zwykle, class okno_czytnika>
void graj_w_oknie(void (*gra)()) {
    if (tryb_czytnika()) {
        okno_czytnika okno;
        gra();
    } else {
        okno_zwykle okno;
        gra();
    }
}
