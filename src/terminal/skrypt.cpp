#include "terminal/skrypt.h"

std::string migawka::tekst() const {
    std::size_t ostatni = wiersze.size();
    while (ostatni > 0 && wiersze[ostatni - 1].empty()) --ostatni;
    std::string s;
    for (std::size_t w = 0; w < ostatni; ++w) {
        if (w > 0) s += '\n';
        s += wiersze[w];
    }
    return s;
}

skrypt::skrypt(std::initializer_list<int> klawisze)
    : kolejka_(klawisze), poprzedni_(ustaw_terminal(this)) {}

skrypt::~skrypt() {
    ustaw_terminal(poprzedni_);
}

void skrypt::dodaj(std::initializer_list<int> klawisze) {
    kolejka_.insert(kolejka_.end(), klawisze);
}

void skrypt::dodaj(std::string_view klawisze) {
    for (char k : klawisze) kolejka_.push_back(static_cast<unsigned char>(k));
}

int skrypt::klawisz(const ekran& e) {
    ++odczytow_;
    if (zapisuj_) {
        migawka m;
        m.wiersze.reserve(ekran::wysokosc);
        m.atrybuty.reserve(static_cast<std::size_t>(ekran::szerokosc) * ekran::wysokosc);
        for (int w = 0; w < ekran::wysokosc; ++w) {
            m.wiersze.push_back(e.wiersz(w));
            for (int k = 0; k < ekran::szerokosc; ++k) m.atrybuty.push_back(e.pole(k, w).atrybut);
        }
        m.kursor_x = e.kursor_x();
        m.kursor_y = e.kursor_y();
        m.podpowiedz = e.podpowiedz();
        m.stan = e.stan();
        migawki_.push_back(std::move(m));
    }
    if (!kolejka_.empty()) {
        int k = kolejka_.front();
        kolejka_.pop_front();
        return k;
    }
    if (pilot_) return pilot_(e);
    throw brak_klawiszy(e.tekst());
}

void skrypt::czekaj(int milisekundy, const ekran&) {
    pauzy_.push_back(milisekundy);
}
