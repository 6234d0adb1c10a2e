#include "terminal/okno_tekstowe.h"

okno_tekstowe::okno_tekstowe(std::string wyjscie) {
    transkrypt_.ustaw_wyjscie(std::move(wyjscie) + "  F2: powtorz ekran");
    poprzedni_ = ustaw_terminal(this);
}

okno_tekstowe::~okno_tekstowe() {
    ustaw_terminal(poprzedni_);
}

int okno_tekstowe::klawisz(const ekran& e) {
    powiedz(transkrypt_.nowe_linie(e, dodatkowe_));
    while (oczekujace_.empty()) {
        auto n = czytaj();
        if (!n) {
            powiedz(transkrypt_.calosc(e, dodatkowe_));
            continue;
        }
        auto bajty = bajty_konsoli(*n);
        oczekujace_.insert(oczekujace_.end(), bajty.begin(), bajty.end());
    }
    int b = oczekujace_.front();
    oczekujace_.pop_front();
    return b;
}

void okno_tekstowe::czekaj(int milisekundy, const ekran& e) {
    powiedz(transkrypt_.nowe_linie(e, dodatkowe_));
    spij(milisekundy);
}

void okno_tekstowe::powiedz(const std::vector<std::string>& linie) {
    const auto tekst = jako_tekst(linie);
    if (!tekst.empty()) pisz(std::string_view(tekst));
}
