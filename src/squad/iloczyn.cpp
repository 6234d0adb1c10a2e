#include "squad/iloczyn.h"

#include <cmath>

int obetnij_iloczyn(int n, double c) {
    double iloczyn = static_cast<double>(n) * c;
    // The rounding error of the product: negative when the exact product lies below it.
    double reszta = std::fma(static_cast<double>(n), c, -iloczyn);
    double calosc = std::trunc(iloczyn);
    if (calosc == iloczyn && reszta < 0) calosc -= 1;
    return obetnij(calosc);
}
