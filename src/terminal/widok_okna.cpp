#include "terminal/widok_okna.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "jezyk/jezyk.h"
#include "terminal/widok.h"

namespace {
bool pusty(const ekran& e, int wiersz) {
    for (int k = 0; k < ekran::szerokosc; ++k)
        if (e.pole(k, wiersz).znak != U' ') return false;
    return true;
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
        case nacisniecie::zmiana_rozmiaru:
            return reakcja::przemaluj;
        default:
            break;
    }
    bool byl = przewiniety(e);
    gora_.reset();
    return byl ? reakcja::wroc_i_dostarcz : reakcja::dostarcz;
}

std::optional<int> widok_okna::wiersz_bufora(int wiersz_okna, const ekran& e) const {
    const bool wlasna = przewiniety(e) || z_pomoca();
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

std::vector<ekran::komorka> widok_okna::komorki(const ekran& e, int kolumn) const {
    std::vector<ekran::komorka> okno(static_cast<std::size_t>(wierszy_) * kolumn);
    const int szerokosc = std::min(kolumn, static_cast<int>(ekran::szerokosc));
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
    if (!z_pomoca()) return {};
    std::string tekst = e.podpowiedz();
    static constexpr std::string_view wyjscie = "{wyjscie}";
    if (auto i = tekst.find(wyjscie); i != std::string::npos)
        tekst.replace(i, wyjscie.size(), _(wyjscie_.c_str()));
    return komorki_linii(tekst, atrybut_pomocy);
}
