#include "terminal/konsola.h"

#include <cstdarg>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "terminal/ekran.h"
#include "terminal/klawisze.h"
#include "terminal/terminal.h"

namespace {
terminal* aktywny = nullptr;

terminal& wymagany() {
    if (aktywny == nullptr) throw std::logic_error("no terminal installed");
    return *aktywny;
}
}  // namespace

ekran& biezacy_ekran() {
    static ekran e;
    return e;
}

terminal* ustaw_terminal(terminal* t) {
    terminal* poprzedni = aktywny;
    aktywny = t;
    return poprzedni;
}

void cls() {
    biezacy_ekran().wyczysc();
}

void gotoxy(int x, int y) {
    biezacy_ekran().idz(x - 1, y - 1);
}

void kolor(int atrybut) {
    biezacy_ekran().ustaw_atrybut(atrybut);
}

void drukuj(const char* format, ...) {
    va_list argumenty;
    va_start(argumenty, format);
    va_list kopia;
    va_copy(kopia, argumenty);
    int dlugosc = std::vsnprintf(nullptr, 0, format, kopia);
    va_end(kopia);
    if (dlugosc > 0) {
        std::vector<char> bufor(static_cast<std::size_t>(dlugosc) + 1);
        std::vsnprintf(bufor.data(), bufor.size(), format, argumenty);
        biezacy_ekran().pisz({bufor.data(), static_cast<std::size_t>(dlugosc)});
    }
    va_end(argumenty);
}

void linia(const char* tekst) {
    biezacy_ekran().pisz(tekst);
    biezacy_ekran().pisz("\n");
}

int klawisz() {
    const int k = wymagany().klawisz(biezacy_ekran());
    // An arrow's first half is not yet the player's next key.
    if (k != klawisze::strzalka) biezacy_ekran().ustaw_stan("");
    return k;
}

void czekaj(int milisekundy) {
    wymagany().czekaj(milisekundy, biezacy_ekran());
}

void opis_wiersza(const char* slowa) {
    biezacy_ekran().opisz_wiersz(slowa);
}

void komunikat_stanu(const std::string& tekst) {
    biezacy_ekran().ustaw_stan(tekst);
}

bool jest_komunikat_stanu() {
    return !biezacy_ekran().stan().empty();
}

klawisze_ekranu::klawisze_ekranu(ekran_gry id, const std::string& dopisek)
    : poprzednie_(biezacy_ekran().podpowiedz()), poprzedni_(biezacy_ekran().ekran_gry_w_toku()) {
    biezacy_ekran().ustaw_podpowiedz(klawisze_ekranu_gry(id) + dopisek);
    biezacy_ekran().ustaw_ekran_gry(id);
}

klawisze_ekranu::~klawisze_ekranu() {
    biezacy_ekran().ustaw_podpowiedz(poprzednie_);
    biezacy_ekran().ustaw_ekran_gry(poprzedni_);
}
