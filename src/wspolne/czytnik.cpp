#include "wspolne/czytnik.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>

#include "jezyk/jezyk.h"

czytnik::czytnik(const char* sciezka)
    : sciezka_(sciezka), plik_(sciezka, std::ios::binary), otwarty_(plik_.is_open()) {
    if (!otwarty_) {
        blad_ = _("nie mozna otworzyc pliku ") + sciezka_ + _(" (brak pliku lub brak dostepu)");
    }
}

void czytnik::zglos(const std::string& tekst) {
    if (!blad_.empty()) return;
    blad_ = _("plik ") + sciezka_ + _(", wiersz ") + std::to_string(wiersz_);
    if (!pole_.empty()) blad_ += ", " + pole_;
    blad_ += ": " + tekst;
}

void czytnik::zly_zakres(const std::string& co) {
    zglos(co);
}

void czytnik::zly_plik(const std::string& co) {
    if (blad_.empty()) blad_ = _("plik ") + sciezka_ + ": " + co;
}

bool czytnik::slowo(std::string& s) {
    s.clear();
    if (!dobry()) return false;
    int z;
    while ((z = plik_.get()) != EOF && std::isspace(z)) {
        if (z == '\n') ++wiersz_;
    }
    while (z != EOF && !std::isspace(z)) {
        s += static_cast<char>(z);
        z = plik_.get();
    }
    if (z == '\n') plik_.unget();
    if (s.empty()) {
        zglos(_("plik konczy sie za wczesnie"));
        return false;
    }
    return true;
}

namespace {
// The C library's conversions take one plus sign before the digits; from_chars does not.
const char* bez_plusa(const std::string& s) {
    const bool plus = s.size() > 1 && s[0] == '+' && std::isdigit(static_cast<unsigned char>(s[1]));
    return s.data() + (plus ? 1 : 0);
}
}  // namespace

bool czytnik::liczba(int& wartosc) {
    std::string s;
    if (!slowo(s)) return false;
    std::int32_t w = 0;
    auto [koniec, blad] = std::from_chars(bez_plusa(s), s.data() + s.size(), w);
    if (blad != std::errc{} || koniec != s.data() + s.size()) {
        zglos("\"" + s + _("\" nie jest liczba"));
        return false;
    }
    wartosc = w;
    return true;
}

bool czytnik::liczba_bez_znaku(int& wartosc) {
    std::string s;
    if (!slowo(s)) return false;
    bool ujemna = s.size() > 1 && s[0] == '-';
    const char* poczatek = ujemna ? s.data() + 1 : bez_plusa(s);
    std::uint32_t w = 0;
    auto [koniec, blad] = std::from_chars(poczatek, s.data() + s.size(), w);
    if (blad != std::errc{} || koniec != s.data() + s.size()) {
        zglos("\"" + s + _("\" nie jest liczba"));
        return false;
    }
    wartosc = static_cast<std::int32_t>(ujemna ? 0u - w : w);
    return true;
}

bool czytnik::nazwa(char* cel, std::size_t rozmiar) {
    std::string s;
    if (!slowo(s)) return false;
    // A NUL or control byte would cut the name short or garble the screen.
    if (std::any_of(s.begin(), s.end(),
                    [](char z) { return std::iscntrl(static_cast<unsigned char>(z)); })) {
        zglos(_("nazwa zawiera niedozwolony znak sterujacy"));
        return false;
    }
    if (s.size() + 1 > rozmiar) {
        zglos(_("nazwa \"") + s + _("\" jest za dluga (najwyzej ") + std::to_string(rozmiar - 1) +
              _(" znakow)"));
        return false;
    }
    s.copy(cel, s.size());
    cel[s.size()] = '\0';
    return true;
}

bool czytnik::na_koncu() {
    int z;
    while ((z = plik_.peek()) != EOF && std::isspace(z)) {
        if (plik_.get() == '\n') ++wiersz_;
    }
    return z == EOF;
}
