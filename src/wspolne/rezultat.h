#pragma once

// The result of a match, a tie or a penalty shoot-out, always from the user's side.
namespace rezultat {
constexpr int wygrana = 0;
constexpr int remis = 1;
constexpr int porazka = 2;
}  // namespace rezultat

inline int rezultat_meczu(int twoje, int rywala) {
    if (twoje > rywala) return rezultat::wygrana;
    return twoje < rywala ? rezultat::porazka : rezultat::remis;
}
