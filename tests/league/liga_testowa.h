#pragma once
#include <string>

#include "league/zespoly.h"
#include "pomoc/gra_testowa.h"

// A fresh game whose clubs are named "L<tier>K<slot>" with strength 20 + slot.
inline void liga_testowa() {
    czysta_gra();
    for (int t = 0; t < zespoly::lig; ++t) {
        for (int s = 0; s < zespoly::druzyn; ++s) {
            std::string n = "L" + std::to_string(t) + "K" + std::to_string(s);
            n.copy(DR.nazwa[t][s], n.size());
            DR.sila[t][s] = 20 + s;
        }
    }
}

inline std::string nazwa_klubu(int t, int s) {
    return DR.nazwa[t][s];
}
