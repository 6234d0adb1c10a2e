#pragma once
#include <algorithm>
#include <cmath>
#include <limits>

// Truncation toward zero of the game's floating-point formulas, kept inside int: a value
// beyond the int range (which no ordinary play produces) stops at the limit instead of being
// undefined, and a value that is not a number counts as 0.
inline int obetnij(double wartosc) {
    if (std::isnan(wartosc)) return 0;
    return static_cast<int>(std::clamp(std::trunc(wartosc),
                                       static_cast<double>(std::numeric_limits<int>::min()),
                                       static_cast<double>(std::numeric_limits<int>::max())));
}
