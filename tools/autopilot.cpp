#include "autopilot.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "shell/dzien_meczu.h"
#include "squad/gracze.h"
#include "terminal/ekran.h"
#include "terminal/klawisze.h"
#include "terminal/skrypt.h"

namespace {
// 34 league rounds and at most 14 cup legs, with room to spare.
constexpr int najwiecej_meczow = 60;
constexpr int na_pozycji[] = {1, 4, 4, 2};
}  // namespace

autopilot::autopilot(skrypt& s) : skrypt_(s) {
    skrypt_.zapisuj_migawki(false);
    skrypt_.ustaw_pilota([this](const ekran& e) { return odpowiedz(e); });
}

autopilot::~autopilot() {
    skrypt_.ustaw_pilota({});
}

// The first key asked for after the last round belongs to the season end, before the
// leagues reorder their clubs: the table still shows the final places.
void kronika::zanotuj(const ekran& e) {
    if (DR.nr_kolejki > zespoly::ostatnia_kolejka && !koniec_sezonu_) {
        koniec_sezonu_ = true;
        liga_ = DR.twojaliga;
        miejsce_ = DR.ktoremiejsce(DR.twojaliga, DR.twojadruzyna);
    }
    // The cup bonus is the last line before the pause that follows the won final.
    if (e.wiersz(e.kursor_y()).find("gratyfikacja od PZPN za Puchar") != std::string::npos) {
        puchar_ = true;
    }
}

wynik_sezonu kronika::wynik(int sezon) const {
    return {sezon, miejsce_, liga_, DR.twojaliga, ST.kasa, puchar_};
}

int autopilot::odpowiedz(const ekran& e) {
    kronika_.zanotuj(e);
    return klawisze::spacja;
}

void autopilot::wybierz_sklad() {
    for (int pozycja = 0; pozycja < gracze::pozycji; ++pozycja) {
        std::vector<int> kandydaci;
        for (int i = 0; i < gracze::miejsc; ++i) {
            if (GR.wiek[i] > 0 && GR.pozycja[i] == pozycja) kandydaci.push_back(i);
        }
        std::stable_sort(kandydaci.begin(), kandydaci.end(), [](int a, int b) {
            return 1LL * GR.sily[a] * GR.umiejetnosci[a] > 1LL * GR.sily[b] * GR.umiejetnosci[b];
        });
        for (std::size_t k = 0; k < kandydaci.size(); ++k) {
            GR.gra[kandydaci[k]] = k < static_cast<std::size_t>(na_pozycji[pozycja]) ? 1 : 0;
        }
    }
}

wynik_sezonu autopilot::rozegraj_sezon(const std::function<void()>& po_meczu) {
    const int sezon = DR.sezon;
    kronika_.nowy_sezon();
    for (int mecz = 0; DR.sezon == sezon; ++mecz) {
        if (mecz == najwiecej_meczow) throw std::runtime_error("the season does not end");
        if (rotacja_) wybierz_sklad();
        nastepnymecz();
        if (po_meczu) po_meczu();
    }
    return kronika_.wynik(sezon);
}
