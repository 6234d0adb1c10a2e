#include "shell/sezon.h"

#include <algorithm>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "squad/gracze.h"

namespace {
// 100 for the champion down to 5 for the last club.
int morale_z_miejsca(int miejsce) {
    return std::min(100, (1900 - 100 * miejsce) / 18);
}
}  // namespace

void koniecsezonu() {
    GR.koniecsezonu();
    // The place is read before the leagues' season end reorders the clubs and clears the table.
    GR.morale = morale_z_miejsca(DR.ktoremiejsce(DR.twojaliga, DR.twojadruzyna));
    DR.koniecsezonu();
    // The new tier first, so the offers below are already scaled by it.
    ST.liga = DR.twojaliga;
    ST.propozycje_lowcy = 0;
    ST.koszt_lowcy = 0;
    ST.kwota_sponsora = 0;
    ST.nowy_lowca();
    ST.nowysponsor();
}
