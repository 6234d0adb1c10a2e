#include <string>
#include <utility>
#include <vector>

#include "jezyk/jezyk.h"
#include "league/zespoly.h"
#include "terminal/konsola.h"

namespace {
// Places 1-4 and 15-18 are the promotion and relegation bands, marked the same in every tier.
constexpr int strefa = 4;

// The band's colour in words. Clubs move only between neighbouring tiers, so the top tier's
// band goes nowhere and neither does the lowest's; the user's colour hides the band.
std::string opis_miejsca(int liga, int miejsce, bool twoja) {
    std::string s = twoja ? _("twoja druzyna") : "";
    const char* pas = nullptr;
    if (miejsce < strefa) pas = liga == 0 ? _("czolowa czworka") : _("strefa awansu");
    if (miejsce >= zespoly::druzyn - strefa)
        pas = liga == zespoly::lig - 1 ? _("ostatnia czworka") : _("strefa spadku");
    if (pas != nullptr) s += (s.empty() ? "" : ", ") + std::string(pas);
    return s;
}

bool poprawna_liga(int liga) {
    return liga >= 0 && liga < zespoly::lig;
}
}  // namespace

// Points alone decide; only a strictly smaller key moves down, so equal points keep slot order.
void sortuj(const int* klucze, int* ranking, int n) {
    std::vector<int> kopia(klucze, klucze + (n > 0 ? n : 0));
    for (int i = 0; i < n; ++i) ranking[i] = i;
    bool zamiana = true;
    while (zamiana) {
        zamiana = false;
        for (int i = 0; i + 1 < n; ++i) {
            if (kopia[i] >= kopia[i + 1]) continue;
            std::swap(kopia[i], kopia[i + 1]);
            std::swap(ranking[i], ranking[i + 1]);
            zamiana = true;
        }
    }
}

void zespoly::tabela(int liga) const {
    klawisze_ekranu pomoc(ekran_gry::tabela);
    if (!poprawna_liga(liga)) return;
    int ranking[druzyn];
    sortuj(punkty[liga], ranking, druzyn);
    cls();
    drukuj(_("    TABELA %d LIGI PO %d KOLEJKACH \n"), liga + 1, nr_kolejki);
    drukuj(_("                          punkty    zwy   rem   por    strz strac\n"));
    for (int p = 0; p < druzyn; ++p) {
        const int s = ranking[p];
        const bool w_strefie = p < strefa || p >= druzyn - strefa;
        const bool twoja = liga == twojaliga && s == twojadruzyna;
        kolor(twoja ? kolor_twojej : (w_strefie ? kolor_strefy : kolor_tekstu));
        opis_wiersza(opis_miejsca(liga, p, twoja).c_str());
        drukuj("%2d. %21s   %2d      %2d    %2d    %2d     %3d   %3d %3lld\n\r", p + 1,
               nazwa[liga][s], punkty[liga][s], zwyciestwa[liga][s], remisy[liga][s],
               porazki[liga][s], strzelone[liga][s], stracone[liga][s],
               static_cast<long long>(strzelone[liga][s]) - stracone[liga][s]);
    }
    kolor(kolor_tekstu);
    klawisz();
}

int zespoly::ktoremiejsce(int liga, int druzyna) const {
    if (!poprawna_liga(liga)) return 0;
    int ranking[druzyn];
    sortuj(punkty[liga], ranking, druzyn);
    for (int p = 0; p < druzyn; ++p) {
        if (ranking[p] == druzyna) return p + 1;
    }
    return 0;
}
