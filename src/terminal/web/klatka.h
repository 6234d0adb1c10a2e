#pragma once
#include <cstdint>
#include <vector>

class ekran;

// The buffer as the page draws it: the rows from the first one down to the last that shows
// anything or holds the window of wierszy_okna rows kept around the cursor, each cell one number
// (character << 8 | attribute byte), row after row.
int wierszy_klatki(const ekran& e, int wierszy_okna);
void klatka(const ekran& e, int wierszy, std::vector<std::uint32_t>& komorki);
