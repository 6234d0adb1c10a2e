#include "club/boisko.h"

boisko ST;

boisko::boisko() {
    poziom_ceny = 0;
    propozycje_lowcy = 0;
}
