#include <algorithm>
#include <cmath>

#include "club/boisko.h"
#include "terminal/konsola.h"
#include "wspolne/los.h"
#include "wspolne/obetnij.h"
#include "wspolne/pieniadze.h"
#include "wspolne/rezultat.h"

namespace {

constexpr int utrzymanie_budki = 2000;
constexpr int kibicow_na_budke = 1000;
constexpr int zysk_z_kibica = 4;
constexpr int koszt_policjanta = 60;
constexpr int pilnowanych_na_policjanta = 50;

void pauza() {
    klawisz();
}

// One match's accounts: the steps run in the order the club pays and earns.
class rozliczenie {
  public:
    rozliczenie(boisko& st, int kibice, int morale, int poziom_ligi, bool walkower, bool pucharowy)
        : st_(st),
          f_(kibice),
          morale_(morale),
          poziom_ligi_(poziom_ligi),
          walkower_(walkower),
          pucharowy_(pucharowy) {}

    void bramy();
    void utrzymanie_stadionu();
    void sponsor();
    void lowca();
    void budki();
    int placa(int zawodnicy);
    void zadluzenie();
    void policja();
    void odsetki();
    void zamieszki(int rezultat);
    int morale(int rezultat) const;

  private:
    bool z_kibicami() const { return f_ > 0 && !walkower_; }

    boisko& st_;
    int f_;
    long long morale_;
    int poziom_ligi_;
    bool walkower_;
    bool pucharowy_;
};

void rozliczenie::bramy() {
    if (!z_kibicami()) return;
    if (f_ > st_.pojemnosc) {
        drukuj(" %d kibicow chcialo kupic bilety, to wiecej niz jest krzeselek!\n", f_);
        f_ = st_.pojemnosc;
    }
    drukuj(" Na stadion o pojemnosci %d wpuszczono %d kibicow\n\n", st_.pojemnosc, f_);
    const int p = cena_biletu(poziom_ligi_, st_.poziom_ceny);
    const int wplywy = nasycone(1LL * p * f_);
    drukuj(" Wplywy z biletow %5d * %2d :%d zl\n", f_, p, wplywy);
    dodaj(st_.kasa, wplywy);
}

// An away cup leg costs the stadium nothing; every league match does.
void rozliczenie::utrzymanie_stadionu() {
    if (pucharowy_ && f_ <= 0) return;
    const int pojemnosc = std::max(st_.pojemnosc, 0);
    const double u = std::pow(pojemnosc, 1.49) / 75.0 + pojemnosc / 6;
    drukuj(" Koszty utrzymania stadionu  :%u\n", static_cast<unsigned>(obetnij(u)));
    st_.kasa = obetnij(st_.kasa - u);
    pauza();
}

void rozliczenie::sponsor() {
    if (st_.kwota_sponsora == 0) {
        st_.nowysponsor();
        return;
    }
    if (st_.kwota_sponsora < 0 || walkower_) return;
    drukuj(" Wplywy od %17s :%d\n", st_.nazwa_sponsora, st_.kwota_sponsora);
    dodaj(st_.kasa, st_.kwota_sponsora);
    pauza();
}

void rozliczenie::lowca() {
    if (st_.koszt_lowcy == 0) {
        st_.nowy_lowca();
        return;
    }
    drukuj(" Koszty lowcy talentow       :%d\n", st_.koszt_lowcy);
    dodaj(st_.kasa, -1LL * st_.koszt_lowcy);
    pauza();
}

// Stands whose upkeep the cash cannot pay are closed: the club keeps only as many as the
// cash in hand (after their takings) would have covered, so at least one goes.
void rozliczenie::budki() {
    if (st_.budki <= 0 || f_ <= 0) return;
    const int zysk = f_ / kibicow_na_budke < st_.budki
                         ? nasycone(1LL * zysk_z_kibica * f_)
                         : nasycone(1LL * zysk_z_kibica * kibicow_na_budke * st_.budki);
    drukuj(" %2d budek hod-dog przynioslo :%d zysku\n", st_.budki, zysk);
    dodaj(st_.kasa, zysk);
    const int koszt = nasycone(1LL * utrzymanie_budki * st_.budki);
    drukuj(" Koszty utrzymania budek     :%d \n", koszt);
    const int kasa = st_.kasa;
    dodaj(st_.kasa, -1LL * koszt);
    if (koszt > kasa) {
        linia(" Zamknieto kilka budek z powodu braku utrzymania.");
        st_.budki = std::max(kasa, 0) / utrzymanie_budki;
    }
    pauza();
}

int rozliczenie::placa(int zawodnicy) {
    const int w = nasycone(1LL * st_.placa * zawodnicy);
    drukuj(" Koszty utrzymania druzyny   :%u\n", static_cast<unsigned>(w));
    if (w > st_.kasa) {
        linia(" Nie stac cie na utrzymanie druzyny, morale druzyny spada!");
        if (morale_ > 5) morale_ -= 5;
        pauza();
    }
    return w;
}

// Past the loan's term the players hear of the debt at every league match.
void rozliczenie::zadluzenie() {
    if (st_.dlug <= 0 || !st_.zakaz_transferow() || pucharowy_) return;
    linia("\n Druzyna slyszy o zadluzeniu klubu. Morale druzyny spada!\n");
    if (morale_ > 3) morale_ -= 3;
    pauza();
}

void rozliczenie::policja() {
    if (!z_kibicami() || st_.policja <= 0) return;
    const int koszt = nasycone(1LL * koszt_policjanta * st_.policja);
    drukuj(" Koszty utrzymania policji   :%d\n", koszt);
    dodaj(st_.kasa, -1LL * koszt);
    pauza();
}

// Interest is paid from the cash and added to the debt as well; cup legs run no clock.
void rozliczenie::odsetki() {
    if (st_.dlug > 0 && !pucharowy_) {
        const int i = st_.dlug / 200;
        drukuj(" Odsetki od dlugu            :%d\n", i);
        dodaj(st_.kasa, -1LL * i);
        dodaj(st_.dlug, i);
        pauza();
        if (st_.dni_dlugu < boisko::termin_dlugu) ++st_.dni_dlugu;
    }
    if (st_.dlug == 0) st_.dni_dlugu = 0;
}

void rozliczenie::zamieszki(int rezultat) {
    if (!z_kibicami() || rezultat != rezultat::porazka) return;
    if (losuj() % f_ <= 1LL * pilnowanych_na_policjanta * st_.policja) return;
    drukuj("\n Policja nie utrzymala porzadku na stadionie ");
    drukuj("rozwscieczeni pseudofani zniszczyli");
    // A capacity or stand count below zero (only from a hand-edited file) still draws from 1.
    if (losuj() % 2 == 0) {
        const int n = losuj() % std::max(st_.pojemnosc / 10 + 1, 1);
        drukuj(" %d krzeselek!\n", n);
        st_.pojemnosc -= n;
    } else {
        const int n = losuj() % std::max(st_.budki / 10 + 1, 1);
        drukuj(" %d budek!\n", n);
        st_.budki -= n;
    }
    pauza();
}

int rozliczenie::morale(int rezultat) const {
    long long m = morale_;
    if (rezultat == rezultat::wygrana) m += 5;
    if (rezultat == rezultat::remis) m += m <= 49 ? 3 : -3;
    if (rezultat == rezultat::porazka) m -= m / 12 + 2;
    m += 2 * (zarobki(st_.placa, poziom_ligi_) - 2);
    return static_cast<int>(std::clamp(m, 0LL, 100LL));
}

}  // namespace

void boisko::pomeczu(int kibice, int rezultat, int zawodnicy, int* morale, int poziom_ligi,
                     int walkower, int pucharowy) {
    const int kasa_przed = kasa;
    rozliczenie r(*this, kibice, *morale, poziom_ligi, walkower == 1, pucharowy != 0);
    cls();
    linia(" P O    M E C Z U\n");
    r.bramy();
    r.utrzymanie_stadionu();
    r.sponsor();
    r.lowca();
    r.budki();
    const int wyplaty = r.placa(zawodnicy);
    r.zadluzenie();
    dodaj(kasa, -1LL * wyplaty);
    r.policja();
    r.odsetki();
    r.zamieszki(rezultat);
    *morale = r.morale(rezultat);
    drukuj("\n Bilans ogolny               :%d", nasycone(1LL * kasa - kasa_przed));
    pauza();
}
