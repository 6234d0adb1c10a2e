#pragma once
#include <cstdint>
#include <vector>

class ekran;
class widok_okna;

// The window the page shows, 80 columns by the rows the view was told: the buffer rows in view
// and the window's own last line (key help or scroll note), row after row, each cell one
// number (character << 8 | attribute byte).
void klatka(const ekran& e, const widok_okna& widok, std::vector<std::uint32_t>& komorki);
