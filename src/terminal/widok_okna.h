#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "terminal/ekran.h"
#include "terminal/klawiatura.h"

// What a terminal window of any kind shows of the screen buffer, and what a key does to that.
// The window follows the game's cursor, or shows rows the player scrolled back to. Its last
// row is a line of its own with the status message or the keys of the screen in force: from
// 25 rows on always, in a smaller window when the game leaves that row empty; where the game
// uses it, only "F1: pomoc" in its blank end. F1 opens the screen's help over the window.
// Backends tell it the window's height and the keys, and paint what it says.
class widok_okna {
  public:
    enum class reakcja {
        przewin,  // a scroll key: the view moved (or stayed at its end); the game sees nothing
        wroc_i_dostarcz,  // the view went back to the cursor; the key goes to the game
        dostarcz,         // the key goes to the game
        przemaluj,        // nothing for the game (a resize), only a repaint
        pomoc,            // F1 opened the help, or a key closed it; the game sees nothing
    };

    // The classic console's height: from here on the last row is the key-help line.
    static constexpr int wierszy_z_pomoca = 25;
    static constexpr int krok_kolka = 3;
    static constexpr std::uint8_t atrybut_pomocy = 7;
    static constexpr std::uint8_t atrybut_przewiniecia = 0x70;
    static constexpr std::uint8_t atrybut_stanu = 14;
    static constexpr std::string_view nota_pomocy = "F1: pomoc";

    void ustaw_wysokosc(int wierszy) { wierszy_ = wierszy; }
    // How the player ends the game on this platform; a help text names it as {wyjscie}.
    void ustaw_wyjscie(std::string tekst) { wyjscie_ = std::move(tekst); }
    bool z_pomoca() const { return wierszy_ >= wierszy_z_pomoca; }
    // Rows the game has when the view follows its cursor.
    int wierszy_gry() const { return z_pomoca() ? wierszy_ - 1 : wierszy_; }

    reakcja klawisz(nacisniecie::rodzaj r, const ekran& e);

    bool przewiniety(const ekran& e) const;
    bool pomoc_otwarta() const { return pomoc_; }
    // The help F1 opened, plain lines: the screen's own, the status message, the way out and
    // how to close it; as many as the window has rows.
    std::vector<std::string> linie_pomocy(const ekran& e) const;
    // The buffer row shown at window row 0.
    int gora(const ekran& e) const;
    // The buffer row a window row shows; nullopt for the window's own line and past the buffer
    // (a row with only the F1 note added is still the buffer's).
    std::optional<int> wiersz_bufora(int wiersz_okna, const ekran& e) const;
    // The window row holding the cursor; nullopt while it is scrolled out of sight.
    std::optional<int> wiersz_kursora(const ekran& e) const;
    // The window's last row when it is the window's own line (80 cells): the scroll note
    // while scrolled, else the status message or the key help when there is room for it, or
    // the buffer's row with the F1 note in its blank end; empty otherwise.
    std::vector<ekran::komorka> linia_wlasna(const ekran& e) const;
    // The whole window, kolumn cells wide, row after row: the buffer rows in view and the
    // window's own line, blank past the buffer's 80 columns and its last row; or the help.
    std::vector<ekran::komorka> komorki(const ekran& e, int kolumn) const;
    // Where the window's cursor stands (column, row): the game's cursor, or the start of the
    // window's own line while the view is scrolled away from it.
    std::pair<int, int> kursor(const ekran& e) const;

  private:
    int baza(const ekran& e) const;
    // The buffer row under the window's last row, when the game's cursor is elsewhere.
    std::optional<int> dolny_wolny_od_kursora(const ekran& e) const;
    bool dol_pusty(const ekran& e) const;
    bool miejsce_na_note(const ekran& e) const;
    bool dol_wlasny(const ekran& e) const;
    int najnizsza_gora(const ekran& e) const;
    void przesun(int o_ile, const ekran& e);

    int wierszy_ = 24;
    std::string wyjscie_ = "Ctrl-C: koniec gry bez zapisu";
    std::optional<int> gora_;
    bool pomoc_ = false;
};

// Rows written so far: down to the lowest row that holds text or the cursor.
int zapisanych_wierszy(const ekran& e);

// A line of the window's own, 80 cells in attribute `atrybut`; "{N}" in the text switches to
// console attribute N, so a help line can name the position colours in their colours.
std::vector<ekran::komorka> komorki_linii(std::string_view tekst, std::uint8_t atrybut);

// The note on a scrolled view: which rows it shows, of how many, and how to go back.
std::string nota_przewiniecia(int od, int do_, int wszystkich);
