#include "club/boisko.h"
#include "club/wspolczynnik.h"
#include "wspolne/pieniadze.h"

int cena_biletu(int liga, int poziom) {
    if (poziom == 0) return 0;
    return nasycone((4LL - liga) * poziom + 2);
}

int zarobki(int placa, int liga) {
    static constexpr int progi[] = {60, 120, 240, 360, 550, 760};
    const long long k = wstawwsp(liga);
    int ocena = 0;
    for (int prog : progi) {
        if (placa < prog * k) break;
        ++ocena;
    }
    return ocena;
}
