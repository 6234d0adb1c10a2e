#pragma once
#include <cstdint>
#include <vector>

class ekran;
class widok_okna;

// The window the page shows, as widok_okna lays it out for `wierszy` rows: the buffer rows in
// view and the window's own last line (key help or scroll note), row after row, each cell one
// number (character << 8 | attribute byte).
void klatka(const ekran& e, const widok_okna& widok, int wierszy,
            std::vector<std::uint32_t>& komorki);
