#include "league/zespoly.h"

// Circle method: the last slot stays put while the others rotate one place per round; the
// parity of the round decides who is at home, so the second half mirrors the first.
void kolejka(int* pary, int runda, int n) {
    const int m = n - 1;
    const bool parzysta = runda % 2 == 0;
    const int obracany = runda % m;
    pary[0] = parzysta ? obracany : m;
    pary[1] = parzysta ? m : obracany;
    for (int i = 1; i < n / 2; ++i) {
        const int a = (runda + i) % m;
        const int b = (runda + m - i) % m;
        pary[2 * i] = parzysta ? a : b;
        pary[2 * i + 1] = parzysta ? b : a;
    }
}

int zespoly::zkimmecz(int* gdzie, int runda) const {
    int pary[druzyn];
    kolejka(pary, runda, druzyn);
    for (int i = 0; i < druzyn; ++i) {
        if (pary[i] != twojadruzyna) continue;
        const bool gospodarz = i % 2 == 0;
        *gdzie = gospodarz ? 0 : 1;
        return gospodarz ? pary[i + 1] : pary[i - 1];
    }
    return 0;
}
