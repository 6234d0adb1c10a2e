#pragma once
#include <string>

// Loads the five start-up files from the working directory into DR, GR and ST. On any
// missing or damaged file returns false with a Polish message naming the file in *blad.
bool wczytaj_gre(std::string* blad);
