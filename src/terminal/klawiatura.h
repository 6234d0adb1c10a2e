#pragma once
#include <string>
#include <vector>

// One key press as the terminal window reports it: a typed character or a special key.
struct nacisniecie {
    enum rodzaj {
        znak,
        gora,
        dol,
        lewo,
        prawo,
        enter,
        cofnij,
        inny_specjalny,
        zmiana_rozmiaru,
        // Scrolling the window's view: never a key for the game.
        strona_w_gore,
        strona_w_dol,
        kolko_w_gore,
        kolko_w_dol,
        // F1: the help over the screen in force, never a key for the game either.
        pomoc,
    };
    rodzaj r = znak;
    char32_t z = 0;  // the character, for r == znak
};

// The console bytes the game reads for one press: an arrow is the prefix 224 and its code,
// Enter is 13 whatever the terminal sends for it, a resize or a scroll is no key at all.
std::vector<int> bajty_konsoli(nacisniecie n);

// The characters that came at once after an Escape: an Alt-letter or a sequence the
// terminal's description does not know. Fed one by one, it says where that sequence ends,
// so the whole of it is one key.
class sekwencja_esc {
  public:
    // Takes the next character; false when it was the sequence's last.
    bool dalej(char32_t z);
    // The key the whole sequence stands for. Arrows and page keys in the cursor mode a shell
    // leaves the terminal in (after Ctrl-Z and fg, until curses asks for its own mode again)
    // are those keys; anything else is a key the game does not know.
    nacisniecie klawisz() const;

  private:
    enum { poczatek, csi, ss3 } stan_ = poczatek;
    std::u32string znaki_;
};
