#pragma once
#include <string>

// What threatens the user's next match, as the game's rules decide it: a walkover, a line of
// strength 0 (and the selected players with no fitness left), the loan clock near the end of
// transfers. "Uwaga: ..." or empty.
std::string ostrzezenie_przed_meczem();
