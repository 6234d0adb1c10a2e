#include "menedzer.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "squad/gracze.h"
#include "terminal/ekran.h"
#include "terminal/klawisze.h"

// The manager's answers to the screens that ask him for a key, and what he reads off them.

namespace {

constexpr int najwiecej_klawiszy_na_liscie = 1000;
// An offer worth buying adds this many goals a match to the eleven's balance.
constexpr double zysk_zakupu = 0.05;
// The matches a scout's fee may take of the cash above the reserve.
constexpr int meczow_lowcy = 20;
bool ma(const std::string& s, const char* co) {
    return s.find(co) != std::string::npos;
}

// The number that follows the text co in s, or 0.
int liczba_po(const std::string& s, const char* co) {
    const auto i = s.find(co);
    if (i == std::string::npos) return 0;
    return std::atoi(s.c_str() + i + std::char_traits<char>::length(co));
}

std::string imie_w_wierszu(const std::string& w) {
    if (w.size() < 18) return {};
    const std::string pole = w.substr(3, 15);
    return pole.substr(std::min(pole.find_first_not_of(' '), pole.size()));
}

struct oferta {
    int pozycja = 0, umiejetnosci = 0, wiek = 0, meczy = 0, cena = 0;
    bool bramkostrzelny = false;
    std::string imie;
};

oferta czytaj_oferte(const ekran& e, int wiersz_wyboru) {
    static const char* const pozycje[] = {"  bramkarz", "  obronca", "  pomocnik", "  napastnik"};
    oferta o;
    for (int w = wiersz_wyboru - 1; w >= 0; --w) {
        const std::string t = e.wiersz(w);
        if (t.rfind(" ---", 0) == 0) break;
        if (t.rfind(" Imie : ", 0) == 0) o.imie = t.substr(8);
        for (int p = 0; p < 4; ++p) {
            if (t == pozycje[p]) o.pozycja = p;
        }
        if (ma(t, " Umiejetnosci : ")) o.umiejetnosci = liczba_po(t, " Umiejetnosci : ");
        if (ma(t, " Wiek : ")) {
            o.wiek = liczba_po(t, " Wiek : ");
            o.meczy = liczba_po(t, " rozegral ");
            o.bramkostrzelny = ma(t, "bramkostrzelny");
        }
        if (ma(t, " Cena : ")) o.cena = liczba_po(t, " Cena : ");
    }
    return o;
}
}  // namespace

int menedzer::odpowiedz(const ekran& e) {
    kronika_.zanotuj(e);
    const std::string pierwszy = e.wiersz(0);
    if (pierwszy.rfind("          imie", 0) == 0) return na_liscie(e);
    const int y = e.kursor_y();
    if (ma(e.wiersz(y), "(gora/dol)+(space)")) return na_ofercie(e);
    if (y > 0 && ma(e.wiersz(y - 1), " (gora/dol)")) return na_rynku(e, y - 1);
    po_meczu(e);
    return klawisze::spacja;
}

// Walks the marker to the nearest name still to choose and chooses it.
int menedzer::na_liscie(const ekran& e) {
    // A list that never lets him go would be a fault of his, not a game to play on.
    if (++klawiszy_na_liscie_ > najwiecej_klawiszy_na_liscie) {
        throw std::runtime_error("the manager is stuck on the squad screen");
    }
    if (tryb_ == na_skladzie::wyjdz || cele_.empty()) return klawisze::spacja;
    int znacznik = -1;
    std::map<std::string, int> wiersze;
    for (int w = 1; w <= gracze::miejsc; ++w) {
        const std::string t = e.wiersz(w);
        if (t.size() >= 74 && t.compare(71, 3, "<--") == 0) znacznik = w;
        wiersze[imie_w_wierszu(t)] = w;
    }
    if (znacznik < 0) return klawisze::spacja;
    auto najblizszy = cele_.end();
    for (auto c = cele_.begin(); c != cele_.end(); ++c) {
        if (wiersze.count(*c) == 0) continue;
        if (najblizszy == cele_.end() ||
            std::abs(wiersze[*c] - znacznik) < std::abs(wiersze[*najblizszy] - znacznik)) {
            najblizszy = c;
        }
    }
    if (najblizszy == cele_.end()) {
        cele_.clear();
        return klawisze::spacja;
    }
    const int cel = wiersze[*najblizszy];
    if (znacznik < cel) return klawisze::dol;
    if (znacznik > cel) return klawisze::gora;
    cele_.erase(najblizszy);
    return tryb_ == na_skladzie::przelacz ? klawisze::lewo : klawisze::enter;
}

// Buys the offer when it improves the eleven enough and the cash above the reserve pays
// for it; notes what a good offer lacked, to borrow it before the next visit when a loan
// the size of the reserve would have covered it.
int menedzer::na_rynku(const ekran& e, int wiersz_wyboru) {
    if (ma(e.wiersz(wiersz_wyboru), "kupujesz")) return klawisze::spacja;
    const oferta o = czytaj_oferte(e, wiersz_wyboru);
    if (o.wiek >= wiek_szczytu) return klawisze::spacja;
    std::vector<zawodnik> k = kadra();
    const double teraz = najlepsza(k, sila_rywala_).bilans;
    const double b = bramkostrzelnosc_oferty(o.pozycja, o.wiek, o.bramkostrzelny);
    // A new player's first matches make him experienced soon: judge him as after ten.
    k.push_back({-1, o.pozycja, o.umiejetnosci, 20, o.wiek, o.meczy + 10, b});
    if (najlepsza(k, sila_rywala_).bilans - teraz < zysk_zakupu) return klawisze::spacja;
    const int wolne = ST.kasa - rezerwa();
    if (o.cena > wolne) {
        if (o.cena - wolne <= rezerwa()) brakowalo_ = std::max(brakowalo_, o.cena - wolne);
        return klawisze::spacja;
    }
    notatki_[o.imie] = b;
    return klawisze::dol;
}

// Signs every sponsor, and a scout whose fee the spare cash pays for a good while.
int menedzer::na_ofercie(const ekran& e) {
    const int y = e.kursor_y();
    const std::string oferta = y > 0 ? e.wiersz(y - 1) : std::string();
    bool chce = true;
    if (ma(oferta, "Lowca talentow")) {
        const int oplata = liczba_po(oferta, "w wysokosci: ");
        chce = 1LL * oplata * meczow_lowcy <= ST.kasa - rezerwa();
    }
    const bool tak = e.wiersz(y).rfind(" tak ", 0) == 0;
    if (tak == chce) return klawisze::spacja;
    return chce ? klawisze::gora : klawisze::dol;
}

// Reads the opponent's strength off the match screen, and the gate and the upkeep off the
// accounts. A cup gate has its own crowd and says nothing of the league's.
void menedzer::po_meczu(const ekran& e) {
    if (!ma(e.wiersz(0), "P O    M E C Z U")) {
        for (int w = 0; w < 10; ++w) {
            const std::string t = e.wiersz(w);
            if (ma(t, "sila ") && ma(t, " vs ")) ostatni_rywal_ = liczba_po(t, "sila ");
        }
        return;
    }
    bool za_malo_miejsc = false;
    for (int w = 1; w < 30; ++w) {
        const std::string t = e.wiersz(w);
        if (ma(t, "Koszty utrzymania stadionu")) utrzymanie_ = liczba_po(t, ":");
        if (DR.mecz_pucharowy == 1) continue;
        if (ma(t, "kibicow chcialo kupic")) {
            popyt_ = std::atoi(t.c_str());
            za_malo_miejsc = true;
        }
        if (!za_malo_miejsc && ma(t, "wpuszczono ")) popyt_ = liczba_po(t, "wpuszczono ");
        if (ma(t, "wpuszczono "))
            std::tie(poziom_popytu_, liga_popytu_) = std::pair(ST.poziom_ceny, ST.liga);
    }
}
