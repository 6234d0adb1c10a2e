#include "terminal/widok_okna.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "jezyk/jezyk.h"
#include "terminal/konsola.h"
#include "terminal/widok.h"

namespace {
bool pusty(const ekran& e, int wiersz) {
    for (int k = 0; k < ekran::szerokosc; ++k)
        if (e.pole(k, wiersz).znak != U' ') return false;
    return true;
}

// Nothing shows from column od on: no character and no background.
bool puste_od(const ekran& e, int wiersz, int od) {
    for (int k = od; k < ekran::szerokosc; ++k)
        if (e.pole(k, wiersz).znak != U' ' || e.pole(k, wiersz).atrybut >> 4 != 0) return false;
    return true;
}

// Where the F1 note starts at a line's end.
constexpr int od_noty = ekran::szerokosc - static_cast<int>(widok_okna::nota_pomocy.size());

// Puts the text at the line's end when that end is blank, two cells apart from the rest.
bool dopisz_na_koncu(std::vector<ekran::komorka>& linia, std::string_view tekst,
                     std::uint8_t atrybut) {
    const int od = ekran::szerokosc - static_cast<int>(tekst.size());
    if (od < 2) return false;
    for (int k = od - 2; k < ekran::szerokosc; ++k)
        if (linia[k].znak != U' ' || linia[k].atrybut >> 4 != 0) return false;
    for (std::size_t i = 0; i < tekst.size(); ++i)
        linia[od + i] = {static_cast<unsigned char>(tekst[i]), atrybut};
    return true;
}

// Text of the game's objects (a player's name) is shown as it is, braces too.
std::vector<ekran::komorka> linia_tekstu(std::string_view tekst, std::uint8_t atrybut) {
    std::vector<ekran::komorka> linia(ekran::szerokosc, {U' ', atrybut});
    for (std::size_t k = 0; k < tekst.size() && k < linia.size(); ++k)
        linia[k].znak = static_cast<unsigned char>(tekst[k]);
    return linia;
}

// Lines of at most ekran::szerokosc - 2 characters, broken between words.
void dopisz_zawiniety(std::vector<std::string>& linie, const std::string& tekst) {
    constexpr std::size_t szerokosc = ekran::szerokosc - 2;
    std::string wiersz;
    std::size_t i = 0;
    while (i < tekst.size()) {
        std::size_t koniec = tekst.find(' ', i);
        if (koniec == std::string::npos) koniec = tekst.size();
        std::string slowo = tekst.substr(i, koniec - i);
        if (!wiersz.empty() && wiersz.size() + 1 + slowo.size() > szerokosc) {
            linie.push_back(wiersz);
            wiersz.clear();
        }
        wiersz += (wiersz.empty() ? "" : " ") + slowo.substr(0, szerokosc);
        i = koniec + 1;
    }
    if (!wiersz.empty()) linie.push_back(wiersz);
}
}  // namespace

int zapisanych_wierszy(const ekran& e) {
    int w = ekran::wysokosc - 1;
    while (w > e.kursor_y() && pusty(e, w)) --w;
    return w + 1;
}

std::vector<ekran::komorka> komorki_linii(std::string_view tekst, std::uint8_t atrybut) {
    std::vector<ekran::komorka> linia(ekran::szerokosc);
    std::size_t k = 0;
    for (std::size_t i = 0; i < tekst.size() && k < linia.size(); ++i) {
        auto koniec = tekst.find('}', i);
        if (tekst[i] == '{' && koniec != std::string_view::npos) {
            int nowy = 0;
            auto [za, blad] = std::from_chars(tekst.data() + i + 1, tekst.data() + koniec, nowy);
            if (blad == std::errc{} && za == tekst.data() + koniec && nowy >= 0 && nowy < 256) {
                atrybut = static_cast<std::uint8_t>(nowy);
                i = koniec;
                continue;
            }
        }
        linia[k++] = {static_cast<unsigned char>(tekst[i]), atrybut};
    }
    for (; k < linia.size(); ++k) linia[k].atrybut = atrybut;
    return linia;
}

std::string nota_przewiniecia(int od, int do_, int wszystkich) {
    char tekst[ekran::szerokosc + 1];
    std::snprintf(tekst, sizeof tekst,
                  _("PRZEWINIETE: wiersze %d-%d z %d. PgUp/PgDn przewija, inny klawisz wraca"), od,
                  do_, wszystkich);
    return tekst;
}

int widok_okna::baza(const ekran& e) const {
    return pierwszy_widoczny(e.kursor_y(), wierszy_gry());
}

// While scrolled the last row is the note, so one row fewer shows the buffer.
int widok_okna::najnizsza_gora(const ekran& e) const {
    return std::max(baza(e), zapisanych_wierszy(e) - (wierszy_ - 1));
}

int widok_okna::gora(const ekran& e) const {
    if (!gora_) return baza(e);
    return std::clamp(*gora_, 0, najnizsza_gora(e));
}

bool widok_okna::przewiniety(const ekran& e) const {
    return gora_ && gora(e) != baza(e);
}

void widok_okna::przesun(int o_ile, const ekran& e) {
    int nowa = std::clamp(gora(e) + o_ile, 0, najnizsza_gora(e));
    gora_ = nowa;
    if (nowa == baza(e)) gora_.reset();
}

widok_okna::reakcja widok_okna::klawisz(nacisniecie::rodzaj r, const ekran& e) {
    if (r == nacisniecie::zmiana_rozmiaru) return reakcja::przemaluj;
    if (pomoc_ || r == nacisniecie::pomoc) {
        pomoc_ = !pomoc_;
        return reakcja::pomoc;
    }
    // A page keeps one row of the last one in sight, so the reader does not lose the place.
    const int strona = std::max(1, wierszy_ - 2);
    switch (r) {
        case nacisniecie::strona_w_gore:
            przesun(-strona, e);
            return reakcja::przewin;
        case nacisniecie::strona_w_dol:
            przesun(strona, e);
            return reakcja::przewin;
        case nacisniecie::kolko_w_gore:
            przesun(-krok_kolka, e);
            return reakcja::przewin;
        case nacisniecie::kolko_w_dol:
            przesun(krok_kolka, e);
            return reakcja::przewin;
        default:
            break;
    }
    bool byl = przewiniety(e);
    gora_.reset();
    return byl ? reakcja::wroc_i_dostarcz : reakcja::dostarcz;
}

std::optional<int> widok_okna::wiersz_bufora(int wiersz_okna, const ekran& e) const {
    const bool wlasna = dol_wlasny(e);
    if (wiersz_okna < 0 || wiersz_okna >= wierszy_ || (wlasna && wiersz_okna == wierszy_ - 1))
        return std::nullopt;
    int w = gora(e) + wiersz_okna;
    if (w >= ekran::wysokosc) return std::nullopt;
    return w;
}

std::optional<int> widok_okna::wiersz_kursora(const ekran& e) const {
    int w = e.kursor_y() - gora(e);
    if (!wiersz_bufora(w, e)) return std::nullopt;
    return w;
}

std::optional<int> widok_okna::dolny_wolny_od_kursora(const ekran& e) const {
    if (z_pomoca() || przewiniety(e)) return std::nullopt;
    const int w = gora(e) + wierszy_ - 1;
    if (w >= ekran::wysokosc || w == e.kursor_y()) return std::nullopt;
    return w;
}

bool widok_okna::dol_pusty(const ekran& e) const {
    const auto w = dolny_wolny_od_kursora(e);
    return w && puste_od(e, *w, 0);
}

bool widok_okna::miejsce_na_note(const ekran& e) const {
    const auto w = dolny_wolny_od_kursora(e);
    return w && puste_od(e, *w, od_noty - 2);
}

bool widok_okna::dol_wlasny(const ekran& e) const {
    return przewiniety(e) || z_pomoca() || dol_pusty(e);
}

std::vector<std::string> widok_okna::linie_pomocy(const ekran& e) const {
    std::vector<std::string> linie = opis_ekranu_gry(e.ekran_gry_w_toku());
    if (!e.stan().empty()) dopisz_zawiniety(linie, _("Komunikat: ") + e.stan());
    linie.push_back(_("PgUp/PgDn: przewija okno  F1: ta pomoc"));
    linie.push_back(_(wyjscie_.c_str()));
    linie.resize(std::min(linie.size(), static_cast<std::size_t>(std::max(wierszy_ - 1, 0))));
    linie.push_back(_("Dowolny klawisz zamyka pomoc."));
    return linie;
}

std::vector<ekran::komorka> widok_okna::komorki(const ekran& e, int kolumn) const {
    std::vector<ekran::komorka> okno(static_cast<std::size_t>(wierszy_) * kolumn);
    const int szerokosc = std::min(kolumn, static_cast<int>(ekran::szerokosc));
    if (pomoc_) {
        const auto linie = linie_pomocy(e);
        for (std::size_t w = 0; w < linie.size(); ++w) {
            const auto linia = linia_tekstu(linie[w], w == 0 ? kolor_tekstu : atrybut_pomocy);
            std::copy_n(linia.begin(), szerokosc, okno.begin() + w * kolumn);
        }
        return okno;
    }
    for (int w = 0; w < wierszy_; ++w) {
        const auto wiersz = wiersz_bufora(w, e);
        if (!wiersz) continue;
        for (int k = 0; k < szerokosc; ++k)
            okno[static_cast<std::size_t>(w) * kolumn + k] = e.pole(k, *wiersz);
    }
    const auto linia = linia_wlasna(e);
    for (int k = 0; k < szerokosc && !linia.empty(); ++k)
        okno[static_cast<std::size_t>(wierszy_ - 1) * kolumn + k] = linia[k];
    return okno;
}

std::pair<int, int> widok_okna::kursor(const ekran& e) const {
    if (pomoc_) {
        const auto linie = linie_pomocy(e);
        return {static_cast<int>(linie.back().size()), static_cast<int>(linie.size()) - 1};
    }
    const auto wiersz = wiersz_kursora(e);
    if (!wiersz) return {0, wierszy_ - 1};
    return {e.kursor_x(), *wiersz};
}

std::vector<ekran::komorka> widok_okna::linia_wlasna(const ekran& e) const {
    if (przewiniety(e)) {
        int g = gora(e);
        int zapisanych = zapisanych_wierszy(e);
        int ostatni = std::min(g + wierszy_ - 1, zapisanych);
        return komorki_linii(nota_przewiniecia(g + 1, ostatni, zapisanych), atrybut_przewiniecia);
    }
    std::vector<ekran::komorka> linia;
    if (z_pomoca() || dol_pusty(e)) {
        std::string tekst = e.podpowiedz();
        static constexpr std::string_view wyjscie = "{wyjscie}";
        if (auto i = tekst.find(wyjscie); i != std::string::npos)
            tekst.replace(i, wyjscie.size(), _(wyjscie_.c_str()));
        linia = e.stan().empty() ? komorki_linii(tekst, atrybut_pomocy)
                                 : linia_tekstu(e.stan(), atrybut_stanu);
        dopisz_na_koncu(linia, _(nota_pomocy.data()), atrybut_pomocy);
        return linia;
    }
    if (!miejsce_na_note(e)) return {};
    // The game uses the row: a status goes to its blank end when it fits, else the F1 note.
    const int w = gora(e) + wierszy_ - 1;
    for (int k = 0; k < ekran::szerokosc; ++k) linia.push_back(e.pole(k, w));
    if (e.stan().empty() || !dopisz_na_koncu(linia, e.stan(), atrybut_stanu))
        dopisz_na_koncu(linia, _(nota_pomocy.data()), atrybut_pomocy);
    return linia;
}
