#pragma once
#include <string>
#include <vector>

#include "terminal/ekran.h"
#include "terminal/widok_okna.h"

// The screen buffer as plain lines, for a screen reader or a braille display that reads them
// in order: a new screen whole, then after each key only what it changed. Colours are not
// lines' business: what they tell comes as the words a screen gave for its rows.
class transkrypt {
  public:
    // How the player ends the game on this platform; a key help names it as {wyjscie}.
    void ustaw_wyjscie(std::string tekst) { wyjscie_ = std::move(tekst); }

    // The lines to write now that the screen is `e`. A new screen comes whole (no runs of
    // blank lines) with a line naming its keys; a partial change only as the rows that
    // changed, the marked one (the cursor's) first; a row that only lost the marker "<--" is
    // not said again. `dodatkowe` are the window's own lines (a help overlay, a status
    // message), said when they change.
    std::vector<std::string> nowe_linie(const ekran& e, const std::vector<std::string>& dodatkowe);
    // The whole screen again, for the key that repeats it.
    std::vector<std::string> calosc(const ekran& e,
                                    const std::vector<std::string>& dodatkowe) const;

  private:
    std::string linia_klawiszy(const ekran& e) const;

    std::string wyjscie_ = "Ctrl-C: koniec gry bez zapisu";
    bool pierwszy_ = true;
    std::vector<std::string> wiersze_;
    std::string podpowiedz_;
    std::vector<std::string> dodatkowe_;
};

// One buffer row in plain ASCII, each run of blanks one space, none at its ends, followed by
// the words the screen gave for it.
std::string wiersz_tekstem(const ekran& e, int wiersz);

// The window's own lines for a transcript: the F1 help while it is open, else the status
// message.
std::vector<std::string> linie_okna(const widok_okna& w, const ekran& e);

// The lines as one text, each ended by "\n".
std::string jako_tekst(const std::vector<std::string>& linie);

// A key help as words: without its "{N}" colour switches, {wyjscie} replaced, the keys
// parted by commas where blanks parted them.
std::string klawisze_tekstem(std::string tekst, const std::string& wyjscie);
