#include "menedzer.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

#include "club/boisko.h"
#include "club/wspolczynnik.h"
#include "league/zespoly.h"
#include "shell/dzien_meczu.h"
#include "squad/gracze.h"
#include "terminal/klawisze.h"
#include "terminal/skrypt.h"

namespace {

constexpr int najwiecej_meczow = 60;
// The squad he keeps: enough players of each position to rest the tired ones.
constexpr int najmniej_na_pozycji[] = {2, 5, 5, 3};
constexpr int najwieksza_kadra = 18;
constexpr int wiek_sprzedazy = 33;
// Matches the cash in hand should cover.
constexpr int meczow_rezerwy = 10;
constexpr int krok_banku = 10000;
constexpr int splata_wszystkiego = 16;
constexpr int cena_budki = 50000;
constexpr int kibicow_na_budke = 1000;
constexpr int kibicow_na_policjanta = 100;
constexpr int najwiecej_krzeselek = 20;  // blocks of 50 bought in one visit

// Attendance shrinks with the ticket level by 7 / (level^2 + 3), the hint of the info screen
// put in numbers by watching the gates.
double ceny_wplyw(int poziom) {
    return 7.0 / (poziom * poziom + 3);
}

}  // namespace

// Left raises a stadium setting, right lowers it.
void menedzer::zmien(std::string& klawisze, int o_ile) {
    klawisze.append(static_cast<std::size_t>(std::abs(o_ile)),
                    static_cast<char>(o_ile > 0 ? klawisze::lewo : klawisze::prawo));
}

menedzer::menedzer(skrypt& s) : skrypt_(s) {
    skrypt_.zapisuj_migawki(false);
    skrypt_.ustaw_pilota([this](const ekran& e) { return odpowiedz(e); });
}

menedzer::~menedzer() {
    skrypt_.ustaw_pilota({});
}

wynik_sezonu menedzer::rozegraj_sezon(const std::function<void()>& po_meczu) {
    const int sezon = DR.sezon;
    kronika_.nowy_sezon();
    for (int mecz = 0; DR.sezon == sezon; ++mecz) {
        if (mecz == najwiecej_meczow) throw std::runtime_error("the season does not end");
        przed_meczem();
        nastepnymecz();
        if (po_meczu) po_meczu();
    }
    return kronika_.wynik(sezon);
}

void menedzer::przed_meczem() {
    if (ostatni_rywal_ > 0) sila_rywala_ = (3 * sila_rywala_ + ostatni_rywal_) / 4;
    ostatni_rywal_ = 0;
    if (rynek_w_kolejce_ != DR.nr_kolejki) {
        rynek_w_kolejce_ = DR.nr_kolejki;
        sprzedaj();
        bank();
        kup();
        stadion();
    }
    ustaw_sklad();
}

// The old who no longer make the eleven, the very old, and the weakest of a squad too big;
// never below the players a position needs.
void menedzer::sprzedaj() {
    const std::vector<zawodnik> k = kadra();
    const std::vector<int> jedenastka = najlepsza(k, sila_rywala_).wybrani;
    const std::set<int> graja(jedenastka.begin(), jedenastka.end());
    int na_pozycji[4] = {};
    for (const zawodnik& z : k) ++na_pozycji[z.pozycja];
    std::vector<int> kolejnosc(k.size());
    for (std::size_t i = 0; i < k.size(); ++i) kolejnosc[i] = static_cast<int>(i);
    std::sort(kolejnosc.begin(), kolejnosc.end(),
              [&](int a, int b) { return wklad(k[a]) < wklad(k[b]); });
    int zostaje = static_cast<int>(k.size());
    for (int i : kolejnosc) {
        const zawodnik& z = k[i];
        if (na_pozycji[z.pozycja] <= najmniej_na_pozycji[z.pozycja]) continue;
        const bool gra = graja.count(i) > 0;
        const bool stary = z.wiek >= wiek_sprzedazy || (z.wiek >= wiek_szczytu && !gra);
        if (!stary && (gra || zostaje <= najwieksza_kadra)) continue;
        cele_.push_back(GR.imie[z.slot]);
        --na_pozycji[z.pozycja];
        --zostaje;
    }
    if (cele_.empty()) return;
    tryb_ = na_skladzie::sprzedaj;
    klawiszy_na_liscie_ = 0;
    GR.sprzedarz(&ST.kasa);
    tryb_ = na_skladzie::wyjdz;
}

// Repays a loan once the bank takes it and the cash spares it, all of it near the term;
// borrows only what a good offer lacked, and no more than the reserve.
void menedzer::bank() {
    std::string k;
    if (ST.dlug > 0 && ST.dni_dlugu >= boisko::splata_od) {
        const bool pilne = ST.dni_dlugu >= splata_wszystkiego;
        if (!pilne && ST.kasa - ST.dlug < rezerwa()) return;
        k.append(static_cast<std::size_t>((ST.dlug + krok_banku - 1) / krok_banku),
                 static_cast<char>(klawisze::prawo));
        k += static_cast<char>(klawisze::enter);
    } else if (ST.dlug == 0 && brakowalo_ > 0) {
        const int ile = (brakowalo_ + krok_banku - 1) / krok_banku * krok_banku;
        brakowalo_ = 0;
        k += static_cast<char>(klawisze::dol);
        k.append(static_cast<std::size_t>(ile / krok_banku), static_cast<char>(klawisze::prawo));
        k += static_cast<char>(klawisze::enter);
    } else {
        return;
    }
    k += static_cast<char>(klawisze::spacja);
    skrypt_.dodaj(k);
    ST.bank();
}

void menedzer::kup() {
    if (ST.zakaz_transferow() || GR.ilegraczy() >= 20) return;
    GR.kupno(&ST.kasa, ST.liga, false);
}

// The ticket level that takes the most at the expected gate; seats when the gate outgrows
// the stadium by a tenth; a stand per thousand fans; a policeman per hundred; a wage the
// screen calls "srednie".
void menedzer::stadion() {
    if (popyt_ == 0) return;
    int poziom = ST.poziom_ceny;
    long long najwiecej = -1;
    for (int p = 0; p <= 3; ++p) {
        const long long wplywy = 1LL * cena_biletu(ST.liga, p) * std::min(popyt(p), ST.pojemnosc);
        if (wplywy > najwiecej) std::tie(najwiecej, poziom) = std::pair(wplywy, p);
    }
    long long wolne = 1LL * ST.kasa - rezerwa();
    int pojemnosc = ST.pojemnosc;
    for (int n = 0; n < najwiecej_krzeselek && popyt(poziom) * 10LL > pojemnosc * 11LL; ++n) {
        const int koszt = pojemnosc / 2 + 10000;
        if (koszt >= wolne) break;
        wolne -= koszt;
        pojemnosc += 50;
    }
    const int kibice = std::min(popyt(poziom), pojemnosc);
    int budki = ST.budki;
    while (budki < kibice / kibicow_na_budke && wolne > cena_budki) {
        wolne -= cena_budki;
        ++budki;
    }
    int placa = ST.placa;
    while (zarobki(placa, ST.liga) < 3) placa += 50;
    while (placa > 50 && zarobki(placa - 50, ST.liga) >= 3) placa -= 50;
    const int policja = kibice / kibicow_na_policjanta;
    if (pojemnosc == ST.pojemnosc && budki == ST.budki && policja == ST.policja &&
        placa == ST.placa && poziom == ST.poziom_ceny) {
        return;
    }
    std::string k;
    zmien(k, (pojemnosc - ST.pojemnosc) / 50);
    k += {static_cast<char>(klawisze::dol), static_cast<char>(klawisze::dol)};
    zmien(k, budki - ST.budki);
    k += static_cast<char>(klawisze::dol);
    zmien(k, policja - ST.policja);
    k += static_cast<char>(klawisze::dol);
    zmien(k, (placa - ST.placa) / 50);
    k += {static_cast<char>(klawisze::dol), static_cast<char>(klawisze::dol)};
    zmien(k, poziom - ST.poziom_ceny);
    k += static_cast<char>(klawisze::spacja);
    skrypt_.dodaj(k);
    ST.stadion();
}

// Toggles every player whose place in the eleven changes.
void menedzer::ustaw_sklad() {
    const std::vector<zawodnik> k = wypoczeci(kadra());
    std::set<int> graja;
    for (int i : najlepsza(k, sila_rywala_).wybrani) graja.insert(k[i].slot);
    for (int p = 0; p < 4; ++p) {
        for (int i = 0; i < gracze::miejsc; ++i) {
            if (GR.wiek[i] <= 0 || GR.pozycja[i] != p) continue;
            if ((GR.gra[i] == 1) != (graja.count(i) > 0)) cele_.push_back(GR.imie[i]);
        }
    }
    if (cele_.empty()) return;
    tryb_ = na_skladzie::przelacz;
    klawiszy_na_liscie_ = 0;
    GR.sklad();
    tryb_ = na_skladzie::wyjdz;
}

// The squad as its screen shows it, with his guess at each player's goal-scoring.
std::vector<zawodnik> menedzer::kadra() const {
    std::vector<zawodnik> k;
    for (int i = 0; i < gracze::miejsc; ++i) {
        if (GR.wiek[i] <= 0) continue;
        zawodnik z{i, GR.pozycja[i], GR.umiejetnosci[i], GR.sily[i], GR.wiek[i], GR.meczy[i], 0};
        const auto notatka = notatki_.find(GR.imie[i]);
        z.bramkostrzelnosc = notatka != notatki_.end()
                                 ? notatka->second
                                 : bramkostrzelnosc_z_bramek(z.pozycja, GR.bramki[i], GR.meczy[i]);
        k.push_back(z);
    }
    return k;
}

// Cash kept for the running costs of the next matches.
int menedzer::rezerwa() const {
    const long long mecz =
        1LL * ST.placa * GR.ilegraczy() + utrzymanie_ + ST.koszt_lowcy + 60LL * ST.policja;
    return static_cast<int>(std::min(mecz * meczow_rezerwy, 1LL << 30));
}

// The last league gate scaled to a ticket level and the present tier.
int menedzer::popyt(int poziom) const {
    const double liga = static_cast<double>(wstawwsp(ST.liga)) / wstawwsp(liga_popytu_);
    return static_cast<int>(popyt_ * liga * ceny_wplyw(poziom) / ceny_wplyw(poziom_popytu_));
}
