#pragma once
#include <string>

// Loads the five start-up files from katalog (the working directory when empty) into DR, GR
// and ST. On any missing or damaged file returns false with a Polish message naming the file
// in *blad, and the three objects stay as they were. A missing file most often means the game
// was started in the wrong place: then the message gets wskazowka as its second line, when given.
bool wczytaj_gre(std::string* blad, const std::string& katalog = "",
                 const std::string& wskazowka = "");
