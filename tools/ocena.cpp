#include "ocena.h"

#include <algorithm>
#include <cmath>

namespace {

// Every line-up the manager considers: defenders and midfielders 3 to 6, forwards the rest.
constexpr int najmniej_w_linii = 3;
constexpr int w_polu = 10;
constexpr int zmeczony = 18;
constexpr int potrzebni[] = {1, 4, 4, 2};

double doswiadczenie(int meczy) {
    return 0.6 + 0.35 * std::pow(std::max(meczy, 0) / 50.0, 0.15);
}

struct linie {
    double obrona = 0, pomoc = 0, atak = 0;
};

// Goals for grow with attack and midfield over the opponent's strength; goals against with
// the opponent's strength over defence and midfield.
double bilans(const linie& l, int sila) {
    const double s = std::max(sila, 1);
    const double za = (2.2 * l.atak + 1.1 * l.pomoc) / s;
    const double przeciw = 2.3 * s / std::max(l.obrona, 1.0) + s / std::max(l.pomoc, 1.0);
    return za - przeciw;
}

// The best n of one position, by their share.
std::vector<int> najlepsi(const std::vector<zawodnik>& kadra, int pozycja, int n) {
    std::vector<int> k;
    for (int i = 0; i < static_cast<int>(kadra.size()); ++i) {
        if (kadra[i].pozycja == pozycja) k.push_back(i);
    }
    std::stable_sort(k.begin(), k.end(),
                     [&](int a, int b) { return wklad(kadra[a]) > wklad(kadra[b]); });
    if (static_cast<int>(k.size()) > n) k.resize(n);
    return k;
}

}  // namespace

double wklad(const zawodnik& z) {
    const double t = z.umiejetnosci * (z.sily / 21.0) * doswiadczenie(z.meczy);
    switch (z.pozycja) {
        case 0:
            return 3 * t / 6;
        case 1:
            return t / 6;
        case 2:
            return t * (z.bramkostrzelnosc + 11) / 20 / 3.5;
        default:
            return t * (z.bramkostrzelnosc + 1) / 10 / 3.5;
    }
}

jedenastka najlepsza(const std::vector<zawodnik>& kadra, int sila) {
    jedenastka wynik;
    const std::vector<int> bramkarz = najlepsi(kadra, 0, 1);
    for (int obroncy = najmniej_w_linii; obroncy <= w_polu - najmniej_w_linii; ++obroncy) {
        for (int pomocnicy = najmniej_w_linii; obroncy + pomocnicy <= w_polu; ++pomocnicy) {
            jedenastka j;
            j.wybrani = bramkarz;
            linie l;
            const int n[] = {1, obroncy, pomocnicy, w_polu - obroncy - pomocnicy};
            for (int p = 1; p < 4; ++p) {
                for (int i : najlepsi(kadra, p, n[p])) j.wybrani.push_back(i);
            }
            for (int i : j.wybrani) {
                const double w = wklad(kadra[i]);
                (kadra[i].pozycja <= 1 ? l.obrona : kadra[i].pozycja == 2 ? l.pomoc : l.atak) += w;
            }
            // Every line is weaker when fewer than eleven play.
            const double pelnia = static_cast<double>(j.wybrani.size()) / 11;
            j.bilans = bilans({l.obrona * pelnia, l.pomoc * pelnia, l.atak * pelnia}, sila);
            if (j.bilans > wynik.bilans) wynik = j;
        }
    }
    return wynik;
}

std::vector<zawodnik> wypoczeci(const std::vector<zawodnik>& kadra) {
    std::vector<zawodnik> zmeczeni, wynik;
    for (const zawodnik& z : kadra) (z.sily >= zmeczony ? wynik : zmeczeni).push_back(z);
    std::stable_sort(zmeczeni.begin(), zmeczeni.end(),
                     [](const zawodnik& a, const zawodnik& b) { return a.sily > b.sily; });
    for (const zawodnik& z : zmeczeni) {
        const auto na_pozycji = std::count_if(
            wynik.begin(), wynik.end(), [&](const zawodnik& w) { return w.pozycja == z.pozycja; });
        if (na_pozycji < potrzebni[z.pozycja] || wynik.size() < 11) wynik.push_back(z);
    }
    return wynik;
}

double bramkostrzelnosc_z_bramek(int pozycja, int bramki, int meczy) {
    if (pozycja < 2) return 0;
    if (meczy < 10) return 7;
    const double na_mecz = static_cast<double>(bramki) / meczy;
    return std::clamp(1 + na_mecz * (pozycja == 2 ? 50 : 30), 1.0, 13.0);
}

double bramkostrzelnosc_oferty(int pozycja, int wiek, bool bramkostrzelny) {
    if (pozycja < 2) return 0;
    if (bramkostrzelny) return 10;
    return wiek >= 26 ? 3.5 : 7;
}
