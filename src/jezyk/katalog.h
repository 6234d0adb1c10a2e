#pragma once
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

// A po/<kod>.po file as it stands, compiled into the game, so every platform reads the one
// catalogue.
struct plik_po {
    const char* kod;
    const char* tekst;
};
// Every po/*.po of the sources, by code.
extern const std::span<const plik_po> pliki_po;

// The translations of a .po file's text, by message id. A fuzzy or untranslated message and
// the header are left out: the game then shows the message id itself.
std::unordered_map<std::string, std::string> wczytaj_katalog(std::string_view po);
