#include "shell/mecz.h"

#include <algorithm>
#include <cmath>

#include "terminal/konsola.h"
#include "wspolne/los.h"

namespace {
// A bound of 32767 or more lets the whole draw through, so larger bounds change nothing.
constexpr double najwieksza_granica = 32767;

int granica(double wartosc) {
    return static_cast<int>(std::clamp(std::round(wartosc), 0.0, najwieksza_granica));
}

int przewaga(long long silniejszy, long long slabszy) {
    return static_cast<int>(std::min<long long>((silniejszy - slabszy) / 6 + 3, 32768));
}

// A line with no strength (no midfielders, no defence, no fitness left) would divide by zero.
double dzielnik(int sila) {
    return sila > 0 ? sila : 1;
}
}  // namespace

void wynik(int gospodarz, int gosc, int* gole_gospodarza, int* gole_goscia) {
    *gole_gospodarza = losuj() % 2;
    if (gospodarz > gosc) {
        *gole_gospodarza += losuj() % przewaga(gospodarz, gosc);
        *gole_goscia = losuj() % 3;
    } else {
        *gole_gospodarza += losuj() % 3;
        *gole_goscia = losuj() % przewaga(gosc, gospodarz);
    }
}

void twojwynik(int at, int pom, int obr, int s, int* twoje_gole, int* gole_rywala) {
    const double rywal = dzielnik(s);
    const double pomoc = dzielnik(pom);
    const double obrona = dzielnik(obr);
    int r1 = losuj();
    *twoje_gole = r1 % (granica((at * 2.2 + pom * 1.1) / rywal) + 1);
    int r2 = losuj();
    *gole_rywala = r2 % (granica((s * 2.3) / obrona + s / pomoc) + 1);
    drukuj("%f:%f", (at * 2.4 + pom * 1.3) / rywal + 1, (s * 2.4) / obrona + (s * 1.3) / pomoc + 1);
}
