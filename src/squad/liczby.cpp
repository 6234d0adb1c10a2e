#include "squad/liczby.h"

#include <cmath>
#include <limits>

int obetnij(double wartosc) {
    if (std::isnan(wartosc)) return 0;
    if (wartosc >= static_cast<double>(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    if (wartosc <= static_cast<double>(std::numeric_limits<int>::min())) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(wartosc);
}

int obetnij_iloczyn(int n, double c) {
    double iloczyn = static_cast<double>(n) * c;
    // The rounding error of the product: negative when the exact product lies below it.
    double reszta = std::fma(static_cast<double>(n), c, -iloczyn);
    double calosc = std::trunc(iloczyn);
    if (calosc == iloczyn && reszta < 0) calosc -= 1;
    return obetnij(calosc);
}
