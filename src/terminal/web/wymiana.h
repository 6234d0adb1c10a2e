#pragma once
#include <filesystem>
#include <string>

// Saved games carried between the browser and the terminal game as their three plain files
// (shell/pliki_zapisu.h).

// Checks the three files in skad with the game's own loaders and, only when all of them load,
// makes them the save slot in katalog as one set, byte for byte. Otherwise false with a Polish
// reason, and the slot is left as it was.
bool wgraj_zapis(const std::filesystem::path& skad, const std::filesystem::path& katalog,
                 std::string* blad);
