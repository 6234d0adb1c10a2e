#include <cmath>

#include "squad/gracze.h"
#include "squad/iloczyn.h"

int cena(int umiejetnosci, int wiek) {
    double s = static_cast<float>(umiejetnosci);
    double licznik = 1000 + s * s * s * std::pow(s, 1.24) / 100;
    double r = static_cast<float>((wiek - 18) / 14.0);
    return obetnij(licznik / (1 + std::pow(r, 5)));
}

float gracze::sila_meczy(int m) const {
    return static_cast<float>(0.6 + 0.35 * std::pow(m, 0.15) / std::pow(50, 0.15));
}

int gracze::sprawdzskl() const {
    int n = 0;
    for (int i = 0; i < miejsc; ++i) n += (wiek[i] > 0 && gra[i] == 1) ? 1 : 0;
    return n;
}

int gracze::sprawdzbrm() const {
    int n = 0;
    for (int i = 0; i < miejsc; ++i)
        n += (wiek[i] > 0 && gra[i] == 1 && pozycja[i] == bramkarz) ? 1 : 0;
    return n;
}

namespace {

bool gra_na(const gracze& g, int i, int poz) {
    return g.wiek[i] > 0 && g.gra[i] == 1 && g.pozycja[i] == poz;
}

// Skill scaled by morale and fitness (rounded to a float), then by experience.
double wklad(const gracze& g, int i, double umiejetnosci) {
    float forma =
        static_cast<float>(umiejetnosci * ((g.morale + 140) / 200.0) * (g.sily[i] / 21.0));
    return static_cast<double>(forma) * g.sila_meczy(g.meczy[i]);
}

// The running sums of the lines are single-precision floats.
void dolicz(float& suma, double ile) {
    suma = static_cast<float>(suma + ile);
}

// A line of two players or fewer cannot hold its ground.
float kara_za_braki(float suma, int n) {
    return n <= 2 ? static_cast<float>(suma * (n + 1) / 4.0) : suma;
}

}  // namespace

int gracze::obrona() const {
    float suma = 0;
    int obroncy = 0;
    for (int i = 0; i < miejsc; ++i) {
        if (gra_na(*this, i, bramkarz)) dolicz(suma, wklad(*this, i, 3.0 * umiejetnosci[i]));
        if (gra_na(*this, i, obronca)) {
            dolicz(suma, wklad(*this, i, umiejetnosci[i]));
            ++obroncy;
        }
    }
    suma = kara_za_braki(suma, obroncy);
    float szostka = suma / 6.0f;
    return obetnij(static_cast<float>(sprawdzskl()) * szostka / 11.0f);
}

int gracze::pomoc() const {
    float suma = 0;
    int pomocnicy = 0;
    for (int i = 0; i < miejsc; ++i) {
        if (!gra_na(*this, i, pomocnik)) continue;
        double b = bramkostrzelnosc[i];
        dolicz(suma, wklad(*this, i, umiejetnosci[i]) * (b + 11) / 20.0);
        ++pomocnicy;
    }
    suma = kara_za_braki(suma, pomocnicy);
    return obetnij(sprawdzskl() * (suma / 3.5) / 11.0);
}

int gracze::atak() const {
    float suma = 0;
    for (int i = 0; i < miejsc; ++i) {
        if (!gra_na(*this, i, napastnik)) continue;
        double b = bramkostrzelnosc[i];
        dolicz(suma, wklad(*this, i, umiejetnosci[i]) * (b + 1) / 10.0);
    }
    return obetnij(sprawdzskl() * (suma / 3.5) / 11.0);
}
