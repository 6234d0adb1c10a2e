#include <cctype>
#include <cstring>

#include "club/lowca.h"
#include "squad/gracze.h"
#include "squad/iloczyn.h"
#include "terminal/klawisze.h"
#include "terminal/konsola.h"
#include "wspolne/los.h"
#include "wspolne/pieniadze.h"

namespace {

const char* const slowa_pozycji[] = {"  bramkarz\n\r", "  obronca\n\r", "  pomocnik\n\r",
                                     "  napastnik\n\r"};

bool te_same(const char* a, const char* b) {
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (std::tolower(static_cast<unsigned char>(*a)) !=
            std::tolower(static_cast<unsigned char>(*b))) {
            return false;
        }
    }
    return *a == *b;
}

// A market name may be offered when it is not empty and no slot, free or not, holds it.
bool wolna_nazwa(const gracze& g, int k) {
    if (g.rynek[k][0] == '\0') return false;
    for (const auto& imie : g.imie) {
        if (te_same(g.rynek[k], imie)) return false;
    }
    return true;
}

bool jest_wolna_nazwa(const gracze& g) {
    for (int k = 0; k < gracze::nazw_rynku; ++k) {
        if (wolna_nazwa(g, k)) return true;
    }
    return false;
}

struct oferta {
    int nazwa, pozycja, wiek, umiejetnosci, cena, bramkostrzelnosc, meczy;
};

// Draws one offer in the market's fixed order of draws and prints it.
oferta losuj_oferte(const gracze& g, int liga) {
    oferta o{};
    do {
        o.nazwa = losuj() % gracze::nazw_rynku;
    } while (!wolna_nazwa(g, o.nazwa));
    o.pozycja = losuj() % gracze::pozycji;
    o.wiek = losuj() % 23 + 18;
    o.umiejetnosci = (2 - liga) * 40 + losuj() % 60 + 10;
    if (losuj() % 10 == 1) o.umiejetnosci += losuj() % 20;
    float cena_gracza = static_cast<float>(cena(o.umiejetnosci, o.wiek));
    o.cena = obetnij(cena_gracza * (losuj() % 25 + 9.0) / 10.0);
    linia(" ---");
    drukuj(" Imie : %s\n", g.rynek[o.nazwa]);
    kolor(gracze::kolor_pozycji(o.pozycja));
    drukuj("%s", slowa_pozycji[o.pozycja]);
    kolor(kolor_tekstu);
    drukuj(" Umiejetnosci : %d\n", o.umiejetnosci);
    drukuj(" Wiek : %d lat ", o.wiek);
    o.bramkostrzelnosc = losuj() % 13 + 1;
    if (o.pozycja < gracze::napastnik && o.wiek >= 25) {
        int lata = o.wiek - 24;
        o.meczy = lata * 10 + losuj() % (lata * 30) + 50;
        drukuj(" rozegral %d meczy", o.meczy);
    }
    if (o.pozycja >= gracze::pomocnik && o.wiek >= 26 && o.bramkostrzelnosc >= 7) {
        drukuj(" i jest bramkostrzelny !");
    }
    drukuj("\n Cena : %u\n", static_cast<unsigned>(o.cena));
    return o;
}

// The choice line under the n-th offer: up passes, down buys, space confirms.
bool kupuje(int n) {
    bool kupuj = false;
    for (;;) {
        gotoxy(1, 10 * (n + 1));
        linia(kupuj ? " kupujesz (gora/dol)" : " nastepny (gora/dol) ");
        int k = klawisz();
        if (k == klawisze::gora) kupuj = false;
        if (k == klawisze::dol) kupuj = true;
        if (k == klawisze::spacja) return kupuj;
    }
}

void przyjmij(gracze& g, const oferta& o) {
    int i = 0;
    while (g.wiek[i] > 0) ++i;
    g.wiek[i] = o.wiek;
    g.umiejetnosci[i] = o.umiejetnosci;
    g.pozycja[i] = o.pozycja;
    g.sily[i] = 20;
    g.bramki[i] = 0;
    g.meczy[i] = o.meczy;
    g.bramkostrzelnosc[i] = o.pozycja >= gracze::pomocnik ? o.bramkostrzelnosc : 0;
    g.gra[i] = 0;
    std::memcpy(g.imie[i], g.rynek[o.nazwa], sizeof g.imie[i]);
}

}  // namespace

void gracze::kupno(int* kasa, int liga, bool zakaz_transferow) {
    klawisze_ekranu pomoc(ekran_gry::kupno);
    cls();
    linia("                 K U P N O  ");
    if (zakaz_transferow) {
        drukuj("PZPN zakazuje transferow dopoki nie splacisz dlogu!");
        klawisz();
        return;
    }
    if (propozycje_lowcy() < oferty) {
        linia("brak zawodnikow na rynku!");
        klawisz();
        return;
    }
    if (ilegraczy() >= 20) {
        linia("Wyluzuj czlowieku, nie ma miejsca w szatni!");
        klawisz();
        return;
    }
    for (int n = 0;; ++n) {
        // Without a single name free to offer (a pool of repeated or missing names) the market
        // has nobody to show.
        if (!jest_wolna_nazwa(*this)) {
            linia("brak zawodnikow na rynku!");
            klawisz();
            return;
        }
        int u = oferty++;
        if (propozycje_lowcy() < u) return;
        drukuj(" KASA:%d\n", *kasa);
        oferta o = losuj_oferte(*this, liga);
        if (kupuje(n)) {
            if (o.cena > *kasa) {
                linia("Nie stac cie biedaku!\n");
            } else {
                linia(" Transfer udany! Trzeba to oblac!\n");
                dodaj(*kasa, -static_cast<long long>(o.cena));
                przyjmij(*this, o);
            }
            klawisz();
        }
        if (ilegraczy() >= 20) {
            linia("Juz nie ma miejsca w szatni!");
            klawisz();
            return;
        }
    }
}

void gracze::sprzedarz(int* kasa) {
    klawisze_ekranu pomoc(ekran_gry::sprzedarz, legenda_pozycji());
    drukuj("Aby sprzedac wcisnij (enter) /n");
    for (;;) {
        int w = 0;
        char k = pokazsklad(&w);
        gotoxy(1, 23);
        if (k == klawisze::enter) {
            dodaj(*kasa, cena(umiejetnosci[w], wiek[w]));
            wiek[w] = 0;
            drukuj("%s sprzedany!", imie[w]);
            czekaj(500);
        }
        if (k == klawisze::spacja) return;
    }
}
