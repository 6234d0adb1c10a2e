#pragma once

#include "wspolne/obetnij.h"

// Truncation toward zero of the exact product n * c (n >= 0, c > 0), as if no rounding
// happened before the cut: 5 * 1.4 gives 6, because the nearest double to 1.4 lies below it.
int obetnij_iloczyn(int n, double c);
