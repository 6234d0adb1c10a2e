#pragma once
#include <string>

// Common ground for the tests: a fresh, empty game; the shipped data files; screens run on
// scripted keys.

// DR, GR and ST as before start-up, a blank screen in attribute 7, the random source seeded
// with 1 and no scripted values left.
void czysta_gra();
// Path of a shipped data file, e.g. dane("gracze.txt").
std::string dane(const std::string& plik);
// A fresh game loaded from the five shipped data files; fails the test if any is refused.
void gra_z_danych();
// Runs a screen of the game on one key, then on spaces; every screen it showed, joined.
std::string zagraj(void (*ekran_gry)(), int klawisz = ' ');

inline bool ma(const std::string& tekst, const std::string& fragment) {
    return tekst.find(fragment) != std::string::npos;
}
