#pragma once
#include <string>

// One game per folder, however it is started: the game holds the lock of its working folder
// (the file .blokada, the one the installed game's launcher locks too) until it ends, and the
// system drops it however the game ends. False, with the Polish reason, when another game holds
// it. Where the lock file cannot be made the game could not save either: it runs unlocked.
bool zablokuj_folder(std::string* blad);

// The reason given when another game runs in the folder, as the launcher words it.
std::string folder_zajety();
