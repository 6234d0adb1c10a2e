#include "terminal/transkrypt.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "jezyk/jezyk.h"
#include "terminal/widok.h"
#include "terminal/widok_okna.h"

namespace {
// The menus' and the squad's "<--", the stadium's "<-".
constexpr std::string_view znacznik = "<-";

std::string bez_spacji_na_koncu(std::string s) {
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

std::vector<std::string> wiersze(const ekran& e) {
    std::vector<std::string> w;
    for (int i = 0, n = zapisanych_wierszy(e); i < n; ++i) w.push_back(wiersz_tekstem(e, i));
    return w;
}

const std::string& wiersz(const std::vector<std::string>& w, std::size_t i) {
    static const std::string pusty;
    return i < w.size() ? w[i] : pusty;
}

// A row as it reads without the marker (which stands before the row's words).
std::string bez_znacznika(const std::string& w) {
    auto i = w.rfind(znacznik);
    if (i == std::string::npos) return w;
    auto za = w.find_first_not_of('-', i + znacznik.size());
    return bez_spacji_na_koncu(w.substr(0, i)) + (za == std::string::npos ? "" : w.substr(za));
}

// The row the player's attention is on: the cursor's, or the last written one above it when
// the screen left the cursor on an empty row under its choice.
std::size_t zaznaczony(const ekran& e, const std::vector<std::string>& w) {
    auto i = static_cast<std::size_t>(e.kursor_y());
    while (i > 0 && wiersz(w, i).empty()) --i;
    return i;
}

std::size_t pierwszy_niepusty(const std::vector<std::string>& w) {
    std::size_t i = 0;
    while (i < w.size() && w[i].empty()) ++i;
    return i;
}

std::size_t niepustych(const std::vector<std::string>& w) {
    return static_cast<std::size_t>(
        std::count_if(w.begin(), w.end(), [](const auto& s) { return !s.empty(); }));
}

void dopisz(std::vector<std::string>& do_, const std::vector<std::string>& co) {
    do_.insert(do_.end(), co.begin(), co.end());
}
}  // namespace

// Columns are laid out with runs of blanks: a braille display of 40 cells would spend a
// line on them, and a voice says nothing for them. One space stands for each run.
std::string wiersz_tekstem(const ekran& e, int w) {
    std::string s;
    for (int k = 0; k < ekran::szerokosc; ++k) {
        const char z = zamiennik_ascii(e.pole(k, w).znak);
        if (z != ' ' || (!s.empty() && s.back() != ' ')) s += z;
    }
    s = bez_spacji_na_koncu(std::move(s));
    if (auto opis = e.opis(w); !opis.empty()) s += ", " + opis;
    return s;
}

std::vector<std::string> linie_okna(const widok_okna& w, const ekran& e) {
    if (w.pomoc_otwarta()) return w.linie_pomocy(e);
    if (e.stan().empty()) return {};
    return {_("Komunikat: ") + e.stan()};
}

std::string jako_tekst(const std::vector<std::string>& linie) {
    std::string tekst;
    for (const auto& l : linie) tekst += l + "\n";
    return tekst;
}

std::string klawisze_tekstem(std::string tekst, const std::string& wyjscie) {
    static constexpr std::string_view nazwa_wyjscia = "{wyjscie}";
    if (auto i = tekst.find(nazwa_wyjscia); i != std::string::npos)
        tekst.replace(i, nazwa_wyjscia.size(), wyjscie);
    for (auto i = tekst.find('{'); i != std::string::npos; i = tekst.find('{', i)) {
        auto koniec = tekst.find('}', i);
        bool kolor = koniec != std::string::npos && koniec > i + 1 &&
                     std::all_of(tekst.begin() + static_cast<long>(i) + 1,
                                 tekst.begin() + static_cast<long>(koniec),
                                 [](unsigned char c) { return std::isdigit(c); });
        if (kolor)
            tekst.erase(i, koniec - i + 1);
        else
            ++i;
    }
    // Two blanks part the keys on a help line; a voice pauses only at a comma.
    for (auto i = tekst.find("  "); i != std::string::npos; i = tekst.find("  ", i)) {
        auto za = tekst.find_first_not_of(' ', i);
        tekst.replace(i, (za == std::string::npos ? tekst.size() : za) - i, ", ");
    }
    return tekst;
}

std::string transkrypt::linia_klawiszy(const ekran& e) const {
    if (e.podpowiedz().empty()) return {};
    return _("Klawisze: ") + klawisze_tekstem(e.podpowiedz(), _(wyjscie_.c_str()));
}

std::vector<std::string> transkrypt::calosc(const ekran& e,
                                            const std::vector<std::string>& dodatkowe) const {
    std::vector<std::string> linie;
    for (const auto& w : wiersze(e)) {
        // One empty line keeps paragraphs apart; a run of them says nothing more.
        if (w.empty() && (linie.empty() || linie.back().empty())) continue;
        linie.push_back(w);
    }
    if (!linie.empty() && linie.back().empty()) linie.pop_back();
    if (auto k = linia_klawiszy(e); !k.empty()) linie.push_back(k);
    dopisz(linie, dodatkowe);
    return linie;
}

std::vector<std::string> transkrypt::nowe_linie(const ekran& e,
                                                const std::vector<std::string>& dodatkowe) {
    auto teraz = wiersze(e);
    std::vector<std::size_t> zmienione;
    std::size_t zastapionych = 0;
    for (std::size_t i = 0; i < std::max(teraz.size(), wiersze_.size()); ++i) {
        const auto& nowy = wiersz(teraz, i);
        const auto& stary = wiersz(wiersze_, i);
        // A row that only lost the marker is still what was said.
        if (nowy == stary || bez_znacznika(stary) == nowy) continue;
        zmienione.push_back(i);
        zastapionych += stary.empty() ? 0 : 1;
    }
    // Menus clear and redraw everything on every key, so a new screen is told by what it
    // shows: another title, or most of what was there replaced (rows added under it, like a
    // match's scorers or an offer's question, are the same screen growing).
    const std::size_t tytul = pierwszy_niepusty(teraz);
    const bool nowy_ekran =
        pierwszy_ || tytul != pierwszy_niepusty(wiersze_) ||
        bez_znacznika(wiersz(teraz, tytul)) != bez_znacznika(wiersz(wiersze_, tytul)) ||
        2 * zastapionych > niepustych(wiersze_);
    const bool inne_klawisze = e.podpowiedz() != podpowiedz_;
    const bool inne_dodatkowe = dodatkowe != dodatkowe_;
    pierwszy_ = false;
    podpowiedz_ = e.podpowiedz();
    dodatkowe_ = dodatkowe;
    if (nowy_ekran) {
        wiersze_ = std::move(teraz);
        return calosc(e, dodatkowe);
    }
    // A marked row changed in place (a marker move, a setting) is the news; rows the screen
    // added keep their order, as a text is read.
    std::vector<std::string> linie;
    std::size_t znak = zaznaczony(e, teraz);
    if (std::find(zmienione.begin(), zmienione.end(), znak) != zmienione.end() &&
        !wiersz(wiersze_, znak).empty() && !teraz[znak].empty())
        linie.push_back(teraz[znak]);
    else
        znak = teraz.size();
    for (auto i : zmienione)
        if (i != znak && !wiersz(teraz, i).empty()) linie.push_back(teraz[i]);
    if (auto k = linia_klawiszy(e); inne_klawisze && !k.empty()) linie.push_back(k);
    if (inne_dodatkowe) dopisz(linie, dodatkowe);
    wiersze_ = std::move(teraz);
    return linie;
}
