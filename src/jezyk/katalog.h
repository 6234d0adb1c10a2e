#pragma once
#include <string>
#include <string_view>
#include <unordered_map>

// po/en.po as it stands, compiled into the game, so every platform reads the one catalogue.
extern const char katalog_en[];

// The translations of a .po file's text, by message id. A fuzzy or untranslated message and
// the header are left out: the game then shows the message id itself.
std::unordered_map<std::string, std::string> wczytaj_katalog(std::string_view po);
