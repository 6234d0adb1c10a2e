#include "club/lowca.h"

#include "club/boisko.h"

int propozycje_lowcy() {
    return ST.propozycje_lowcy;
}
