#pragma once

// Truncation toward zero of the game's floating-point formulas, kept inside int: a value
// beyond the int range (a skill or age no match ever produces) stops at the limit instead of
// being undefined, and a value that is not a number counts as 0.
int obetnij(double wartosc);

// Truncation toward zero of the exact product n * c (n >= 0, c > 0), as if no rounding
// happened before the cut: 5 * 1.4 gives 6, because the nearest double to 1.4 lies below it.
int obetnij_iloczyn(int n, double c);
