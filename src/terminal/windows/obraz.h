#pragma once
#include <windows.h>

#include <vector>

#include "terminal/ekran.h"
#include "terminal/widok_okna.h"

// What a console window of kolumn x wierszy cells shows, row by row, in the form
// WriteConsoleOutputW takes: the rows of the buffer and the window's own line as the view
// (already told the window's height) says, or the request for a bigger window when it is too
// small.
std::vector<CHAR_INFO> obraz_okna(const ekran& e, const widok_okna& widok, int kolumn, int wierszy);

// Where the console's cursor stands in that window: the game's cursor, or the start of the
// window's own line while the view is scrolled away from it.
COORD kursor_okna(const ekran& e, const widok_okna& widok, int kolumn, int wierszy);

// One cell: the attribute byte is the console's own; a character the console cannot hold in
// one UTF-16 unit gets its ASCII stand-in.
CHAR_INFO komorka_konsoli(const ekran::komorka& k);
