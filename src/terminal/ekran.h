#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "terminal/opis_ekranu.h"

// The console screen buffer the game prints to: 80 columns by 300 rows of characters with
// their attribute bytes, written with the console's own rules (wrap at column 80, "\n", "\r",
// "\t", scrolling past the last row).
class ekran {
  public:
    static constexpr int szerokosc = 80;
    static constexpr int wysokosc = 300;
    static constexpr std::uint8_t atrybut_poczatkowy = 7;

    struct komorka {
        char32_t znak = U' ';
        std::uint8_t atrybut = atrybut_poczatkowy;
        bool operator==(const komorka&) const = default;
    };

    ekran();

    void wyczysc();
    // 0-based; a position outside the buffer is ignored.
    void idz(int kolumna, int wiersz);
    void ustaw_atrybut(int atrybut) { atrybut_ = static_cast<std::uint8_t>(atrybut); }
    int atrybut() const { return atrybut_; }
    void pisz(std::string_view utf8);

    const komorka& pole(int kolumna, int wiersz) const { return komorki_[indeks(kolumna, wiersz)]; }
    int kursor_x() const { return x_; }
    int kursor_y() const { return y_; }
    // One row as UTF-8 text without trailing blanks.
    std::string wiersz(int w) const;
    // Rows from the first to the last non-blank one, joined with "\n".
    std::string tekst() const;

    // The keys of the screen in force, for a window with room for a help line. Kept beside
    // the cells, never in them: what the game printed stays exactly what it printed.
    void ustaw_podpowiedz(std::string_view tekst) { podpowiedz_ = tekst; }
    const std::string& podpowiedz() const { return podpowiedz_; }
    // Which screen is in force, for its full help.
    void ustaw_ekran_gry(ekran_gry id) { ekran_gry_ = id; }
    ekran_gry ekran_gry_w_toku() const { return ekran_gry_; }
    // What the screens leave unsaid, shown in the key help's place until the next key.
    void ustaw_stan(std::string_view tekst) { stan_ = tekst; }
    const std::string& stan() const { return stan_; }

    // Words for what the colours of the cursor's row tell (a player's position, a table
    // band), for a reader that cannot see colours; beside the cells too, gone with them.
    void opisz_wiersz(std::string_view slowa) { opisy_[y_] = slowa; }
    // The words given for a row; empty when none were.
    std::string opis(int wiersz) const;

  private:
    static std::size_t indeks(int k, int w) { return static_cast<std::size_t>(w) * szerokosc + k; }
    void znak(char32_t z);
    void nowy_wiersz();

    std::vector<komorka> komorki_;
    int x_ = 0;
    int y_ = 0;
    std::uint8_t atrybut_ = atrybut_poczatkowy;
    std::string podpowiedz_;
    std::map<int, std::string> opisy_;
    ekran_gry ekran_gry_ = ekran_gry::brak;
    std::string stan_;
};
