#include <algorithm>
#include <string>

#include "jezyk/jezyk.h"
#include "squad/gracze.h"
#include "terminal/klawisze.h"
#include "terminal/konsola.h"

namespace {

constexpr const char* nazwy_pozycji[gracze::pozycji] = {N_("bramkarz"), N_("obronca"),
                                                        N_("pomocnik"), N_("napastnik")};

// The marker row stays where the user left it for the whole run.
int znacznik = 0;

const char* nastroj(int morale) {
    if (morale <= 9) return _("w stanie paniki!");
    if (morale <= 19) return _("zalamana!");
    if (morale <= 29) return _("slabej formie psychicznej");
    if (morale <= 44) return _("zdenerwowana");
    if (morale <= 59) return _("dobrej mysli");
    if (morale <= 74) return _("zadowolona");
    if (morale <= 89) return _("w bojowym nastroju");
    return _("w euforji!");
}

// Draws the list grouped by position and returns how many rows it has; wiersze[r] is the
// slot shown on row r.
int rysuj(const gracze& g, int (&wiersze)[gracze::miejsc]) {
    cls();
    linia(_("          imie       umie  sily  lat  meczy  bramki  cena:"));
    int n = 0;
    unsigned wartosc = 0;
    for (int p = 0; p < gracze::pozycji; ++p) {
        kolor(gracze::kolor_pozycji(p));
        for (int i = 0; i < gracze::miejsc; ++i) {
            if (g.wiek[i] <= 0 || g.pozycja[i] != p) continue;
            unsigned c = static_cast<unsigned>(cena(g.umiejetnosci[i], g.wiek[i]));
            drukuj("%2d.%15s   %3d    %2d   %2d   %3d    %3d   %8u", n + 1, g.imie[i],
                   g.umiejetnosci[i], g.sily[i], g.wiek[i], g.meczy[i], g.bramki[i], c);
            if (g.gra[i] == 1) drukuj(_("  gra"));
            opis_wiersza(_(nazwy_pozycji[p]));
            drukuj("\n\r");
            wiersze[n++] = i;
            wartosc += c;
        }
    }
    drukuj(_("Wartosc druzyny %u \n"), wartosc);
    drukuj(_("Twoja druzyna jest "));
    linia(nastroj(g.morale));
    return n;
}

// Why space does not leave the line-up screen; empty when it does.
std::string powod_odmowy(const gracze& g) {
    std::string powod;
    if (g.sprawdzskl() > 11)
        powod = _("Wybrano ") + std::to_string(g.sprawdzskl()) + _(" zawodnikow, najwyzej 11");
    if (g.sprawdzbrm() > 1)
        powod += (powod.empty() ? _("Wybrano ") : "; ") + std::to_string(g.sprawdzbrm()) +
                 _(" bramkarzy, najwyzej 1");
    return powod;
}

}  // namespace

std::string gracze::legenda_pozycji() {
    constexpr const char* skroty[pozycji] = {N_("BR"), N_("OBR"), N_("POM"), N_("NAP")};
    std::string legenda;
    for (int p = 0; p < pozycji; ++p) {
        if (p > 0) legenda += ' ';
        legenda += "{" + std::to_string(kolor_pozycji(p)) + "}" + _(skroty[p]);
    }
    return legenda;
}

void zeruj_znacznik_skladu() {
    znacznik = 0;
}

char gracze::pokazsklad(int* wybrany) {
    int wiersze[miejsc]{};
    for (;;) {
        int n = rysuj(*this, wiersze);
        znacznik = std::clamp(znacznik, 0, std::max(n - 1, 0));
        if (n > 0) {
            gotoxy(72, znacznik + 2);
            drukuj("<--");
        }
        int k = klawisz();
        if (k == klawisze::dol && znacznik < n - 1) ++znacznik;
        if (k == klawisze::gora && znacznik > 0) --znacznik;
        if ((k == klawisze::prawo || k == klawisze::lewo || k == klawisze::enter) && n > 0) {
            *wybrany = wiersze[znacznik];
            return static_cast<char>(k);
        }
        if (k == klawisze::spacja) return klawisze::spacja;
    }
}

void gracze::sklad() {
    klawisze_ekranu pomoc(ekran_gry::sklad, legenda_pozycji());
    for (;;) {
        int w = 0;
        char k = pokazsklad(&w);
        if (k == klawisze::prawo || k == klawisze::lewo) gra[w] = gra[w] == 0 ? 1 : 0;
        if (k != klawisze::spacja) continue;
        const std::string powod = powod_odmowy(*this);
        if (powod.empty()) return;
        komunikat_stanu(powod);
    }
}
