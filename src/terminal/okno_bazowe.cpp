#include "terminal/okno_bazowe.h"

#include <cstdio>

okno_bazowe::okno_bazowe() : poprzedni_(ustaw_terminal(this)) {}

okno_bazowe::~okno_bazowe() {
    ustaw_terminal(poprzedni_);
}

void okno_bazowe::przed_klawiszem(const ekran& e) {
    sprawdz_przerwanie();
    maluj(e);
}

int okno_bazowe::klawisz(const ekran& e) {
    for (;;) {
        przed_klawiszem(e);
        if (auto bajt = oczekujace_.nastepny()) return *bajt;
        if (auto o = czytaj(e)) oczekujace_.przyjmij(o->n, widok_, e, o->razy);
    }
}

void okno_bazowe::czekaj(int milisekundy, const ekran& e) {
    sprawdz_przerwanie();
    maluj(e);
    if (milisekundy > 0) uspij(milisekundy);
}

void na_stderr(const std::string& tekst) {
    std::fprintf(stderr, "bramkowiec: %s\n", tekst.c_str());
}

int status_po_bledzie(const std::string& blad) {
    if (blad.empty()) return 0;
    na_stderr("blad: " + blad);
    return 1;
}
