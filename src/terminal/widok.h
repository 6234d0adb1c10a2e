#pragma once

// Which part of the 80-column screen buffer a terminal window shows.

constexpr int najmniej_kolumn = 80;
constexpr int najmniej_wierszy = 24;

// The window shows the buffer from its first row and scrolls only as far as needed to keep
// the game's cursor in sight, as a console window does.
int pierwszy_widoczny(int kursor_wiersz, int wierszy_okna);

bool okno_za_male(int kolumn, int wierszy);

// The message shown instead of the game while the window is too small.
const char* prosba_o_wieksze_okno();

// A stand-in for a character the terminal's character set cannot show: Polish letters lose
// their marks, anything else becomes '?'.
char zamiennik_ascii(char32_t z);
