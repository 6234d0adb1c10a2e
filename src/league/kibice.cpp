#include <algorithm>
#include <cmath>

#include "club/wspolczynnik.h"
#include "league/zespoly.h"
#include "wspolne/los.h"
#include "wspolne/obetnij.h"

// Every step is stored in single precision, as the attendance has always been computed.
int zespoly::kibicow(int poziom_ceny) const {
    const double w = zwyciestwa[twojaliga][twojadruzyna];
    const double l = porazki[twojaliga][twojadruzyna];
    const double g = strzelone[twojaliga][twojadruzyna];
    const double k = wstawwsp(twojaliga);
    const double p = poziom_ceny;
    const float s1 = static_cast<float>((w + 1) * 550 / (l + 1));
    const float s2 = static_cast<float>(g * 250 / (nr_kolejki + 1.0) + s1);
    const float s3 = static_cast<float>(k * s2);
    const float s4 = static_cast<float>(k * 500 + s3);
    const float e = static_cast<float>(7 / (p * p + 3) * s4);
    const double h = e * 1.25;
    const int r = losuj();
    // A price level or record outside the game's range must not leave nothing to divide by.
    const int q = std::max(1, obetnij(e / 2.0));
    const int m = r % q;
    return obetnij(static_cast<float>(h - m));
}
