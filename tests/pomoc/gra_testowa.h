#pragma once
#include <string>

// Common ground for the tests: a fresh, empty game; the shipped data files.

// DR, GR and ST as before start-up, a blank screen in attribute 7, the random source seeded
// with 1 and no scripted values left.
void czysta_gra();
// Path of a shipped data file, e.g. dane("gracze.txt").
std::string dane(const std::string& plik);
// A fresh game loaded from the five shipped data files; fails the test if any is refused.
void gra_z_danych();
