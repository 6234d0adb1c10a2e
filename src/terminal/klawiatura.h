#pragma once
#include <vector>

// One key press as the terminal window reports it: a typed character or a special key.
struct nacisniecie {
    enum rodzaj { znak, gora, dol, lewo, prawo, enter, cofnij, inny_specjalny, zmiana_rozmiaru };
    rodzaj r = znak;
    char32_t z = 0;  // the character, for r == znak
};

// The console bytes the game reads for one press: an arrow is the prefix 224 and its code,
// Enter is 13 whatever the terminal sends for it, a resize is no key at all.
std::vector<int> bajty_konsoli(nacisniecie n);
