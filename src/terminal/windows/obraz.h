#pragma once
#include <windows.h>

#include <vector>

#include "terminal/ekran.h"

// What a console window of kolumn x wierszy cells shows of the game's buffer, row by row, in
// the form WriteConsoleOutputW takes: the viewport rule of every terminal, or the request for
// a bigger window when it is too small.
std::vector<CHAR_INFO> obraz_okna(const ekran& e, int kolumn, int wierszy);

// One cell: the attribute byte is the console's own; a character the console cannot hold in
// one UTF-16 unit gets its ASCII stand-in.
CHAR_INFO komorka_konsoli(const ekran::komorka& k);
