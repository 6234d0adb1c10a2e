#include "terminal/ekran.h"

#include <algorithm>

ekran::ekran() : komorki_(static_cast<std::size_t>(szerokosc) * wysokosc) {}

void ekran::wyczysc() {
    std::fill(komorki_.begin(), komorki_.end(), komorka{});
    x_ = 0;
    y_ = 0;
    opisy_.clear();
}

std::string ekran::opis(int wiersz) const {
    auto i = opisy_.find(wiersz);
    return i == opisy_.end() ? std::string() : i->second;
}

void ekran::idz(int kolumna, int wiersz) {
    if (kolumna < 0 || kolumna >= szerokosc || wiersz < 0 || wiersz >= wysokosc) return;
    x_ = kolumna;
    y_ = wiersz;
}

void ekran::nowy_wiersz() {
    x_ = 0;
    if (y_ + 1 < wysokosc) {
        ++y_;
        return;
    }
    std::move(komorki_.begin() + szerokosc, komorki_.end(), komorki_.begin());
    std::fill(komorki_.end() - szerokosc, komorki_.end(), komorka{});
    std::map<int, std::string> przesuniete;
    for (auto& [w, slowa] : opisy_)
        if (w > 0) przesuniete[w - 1] = std::move(slowa);
    opisy_ = std::move(przesuniete);
}

void ekran::znak(char32_t z) {
    switch (z) {
        case U'\n':
            nowy_wiersz();
            return;
        case U'\r':
            x_ = 0;
            return;
        case U'\t': {
            int cel = std::min((x_ / 8 + 1) * 8, szerokosc);
            while (x_ < cel) znak(U' ');
            return;
        }
        default:
            break;
    }
    if (z < 0x20 || z == 0x7f) return;
    komorki_[indeks(x_, y_)] = {z, atrybut_};
    if (++x_ == szerokosc) nowy_wiersz();
}

void ekran::pisz(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        auto b = static_cast<unsigned char>(utf8[i]);
        int dlugosc = b < 0x80           ? 1
                      : (b >> 5) == 0x6  ? 2
                      : (b >> 4) == 0xe  ? 3
                      : (b >> 3) == 0x1e ? 4
                                         : 0;
        char32_t z = dlugosc == 1   ? b
                     : dlugosc == 2 ? (b & 0x1f)
                     : dlugosc == 3 ? (b & 0x0f)
                                    : (b & 0x07);
        bool dobry = dlugosc > 0 && i + dlugosc <= utf8.size();
        for (int k = 1; dobry && k < dlugosc; ++k) {
            auto c = static_cast<unsigned char>(utf8[i + k]);
            dobry = (c & 0xc0) == 0x80;
            z = (z << 6) | (c & 0x3f);
        }
        // A byte that does not start valid UTF-8 still takes one cell, shown as '?'.
        znak(dobry ? z : U'?');
        i += dobry ? dlugosc : 1;
    }
}

static void dopisz_utf8(std::string& s, char32_t z) {
    if (z < 0x80) {
        s += static_cast<char>(z);
    } else if (z < 0x800) {
        s += static_cast<char>(0xc0 | (z >> 6));
        s += static_cast<char>(0x80 | (z & 0x3f));
    } else if (z < 0x10000) {
        s += static_cast<char>(0xe0 | (z >> 12));
        s += static_cast<char>(0x80 | ((z >> 6) & 0x3f));
        s += static_cast<char>(0x80 | (z & 0x3f));
    } else {
        s += static_cast<char>(0xf0 | (z >> 18));
        s += static_cast<char>(0x80 | ((z >> 12) & 0x3f));
        s += static_cast<char>(0x80 | ((z >> 6) & 0x3f));
        s += static_cast<char>(0x80 | (z & 0x3f));
    }
}

std::string ekran::wiersz(int w) const {
    int koniec = szerokosc;
    while (koniec > 0 && pole(koniec - 1, w).znak == U' ') --koniec;
    std::string s;
    for (int k = 0; k < koniec; ++k) dopisz_utf8(s, pole(k, w).znak);
    return s;
}

std::string ekran::tekst() const {
    int ostatni = wysokosc - 1;
    while (ostatni >= 0 && wiersz(ostatni).empty()) --ostatni;
    std::string s;
    for (int w = 0; w <= ostatni; ++w) {
        if (w > 0) s += '\n';
        s += wiersz(w);
    }
    return s;
}
