#include "kariera.h"

#include <algorithm>
#include <cstdio>

namespace {

double udzial(long ile, long z) {
    return z > 0 ? static_cast<double>(ile) / z : 0.0;
}

std::string linia(const char* klucz, const std::string& wartosc) {
    return std::string(klucz) + ": " + wartosc + "\n";
}

std::string ulamek(double x) {
    char t[32];
    std::snprintf(t, sizeof t, "%.3f", x);
    return t;
}

}  // namespace

void kariera::nowe_ziarno() {
    biezace_ = {};
    ++ziaren_;
}

void kariera::dodaj(const wynik_sezonu& w) {
    ziarno& z = biezace_;
    ++z.sezony;
    ++sezonow_;
    if (z.sezony == 1) {
        suma_miejsc_ += w.miejsce;
        if (w.kasa >= 0) ++bez_dlugu_;
    }
    if (w.kasa < 0) ++z_dlugiem_;
    kasa(w.kasa);
    // Tiers are 0 at the top: the second tier is 1, the top tier 0.
    if (w.liga <= 1 && !z.liga2) liga2_ += (z.liga2 = true);
    if (w.liga == 0 && !z.liga1) {
        liga1_ += (z.liga1 = true);
        awanse_do_1_.push_back(z.sezony);
    }
    if (w.liga == 0 && w.miejsce == 1 && !z.tytul) tytuly_ += (z.tytul = true);
    if (w.puchar && !z.puchar) puchary_ += (z.puchar = true);
}

void kariera::kasa(int kasa) {
    najwiecej_kasy_ = kasa_widziana_ ? std::max<long long>(najwiecej_kasy_, kasa) : kasa;
    kasa_widziana_ = true;
}

std::string kariera::podsumowanie() const {
    std::string s;
    char t[32];
    std::snprintf(t, sizeof t, "%.2f", udzial(suma_miejsc_, ziaren_));
    s += linia("first_season_mean_place", t);
    s += linia("first_season_cash_ok_share", ulamek(udzial(bez_dlugu_, ziaren_)));
    s += linia("reached_tier2_share", ulamek(udzial(liga2_, ziaren_)));
    s += linia("reached_tier1_share", ulamek(udzial(liga1_, ziaren_)));
    std::vector<int> a = awanse_do_1_;
    std::sort(a.begin(), a.end());
    // With an even count the median lies halfway between the middle two.
    const std::size_t n = a.size();
    std::snprintf(t, sizeof t, "%g", n > 0 ? (a[(n - 1) / 2] + a[n / 2]) / 2.0 : 0.0);
    s += linia("tier1_median_season", n > 0 ? t : "none");
    s += linia("title_share", ulamek(udzial(tytuly_, ziaren_)));
    s += linia("cup_share", ulamek(udzial(puchary_, ziaren_)));
    s += linia("debt_season_share", ulamek(udzial(z_dlugiem_, sezonow_)));
    s += linia("max_cash", std::to_string(najwiecej_kasy_));
    return s;
}
