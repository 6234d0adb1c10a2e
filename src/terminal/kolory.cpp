#include "terminal/kolory.h"

namespace {
// The console counts blue as bit 0 and red as bit 2; curses the other way round.
int na_terminal(int kolor) {
    return (kolor & 2) | ((kolor & 1) << 2) | ((kolor & 4) >> 2);
}
}  // namespace

wyglad wyglad_atrybutu(int atrybut, int kolorow) {
    int znak = atrybut & 0x0f;
    int tlo = (atrybut >> 4) & 0x0f;
    wyglad w;
    if (kolorow < 8) {
        const int podstawowy = znak & 7;
        w.odwrocony = tlo != 0 || podstawowy == 5;
        w.podkreslony = podstawowy == 1;
        w.pogrubiony = podstawowy == 3;
        return w;
    }
    w.znak = na_terminal(znak & 7);
    w.tlo = na_terminal(tlo & 7);
    if (kolorow >= 16) {
        w.znak += znak & 8;
        w.tlo += tlo & 8;
    } else {
        // Eight colours: bold lights the foreground; a bright background stays its base colour.
        w.pogrubiony = (znak & 8) != 0;
    }
    return w;
}

int pary_kolorow::para(int znak, int tlo, bool& nowa) {
    nowa = false;
    auto it = pary_.find({znak, tlo});
    if (it != pary_.end()) return it->second;
    int numer = static_cast<int>(pary_.size()) + 1;
    if (numer >= dostepnych_) return 0;
    pary_.emplace(std::pair{znak, tlo}, numer);
    nowa = true;
    return numer;
}
