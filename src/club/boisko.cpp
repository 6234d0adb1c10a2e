#include "club/boisko.h"

boisko ST;

boisko::boisko() {
    poziom_ceny = 0;
    propozycje_lowcy = 0;
}

// Money scales with the tier: the top league is worth twelve times the third.
int wstawwsp(int liga) {
    switch (liga) {
        case 0:
            return 12;
        case 1:
            return 3;
        default:
            return 1;
    }
}
