#pragma once
#include <filesystem>
#include <functional>
#include <span>
#include <string>

// A set of files in one directory that is replaced as a whole. Each new file is written
// beside the old one under a temporary name; a marker file then commits the new set, the
// files are renamed over the old ones and the marker is removed. Whatever point a save stops
// at, the directory afterwards holds either the old set or the new one, never a mixture.
namespace komplet {

struct plik {
    std::string nazwa;                                // within the directory
    std::function<bool(const char* sciezka)> zapisz;  // writes the whole file; false on failure
};

// Where the new contents of a file wait until the set is committed.
std::filesystem::path tymczasowy(const std::filesystem::path& plik);
// Present from the commit of a new set until every file of it has been moved into place.
std::filesystem::path znacznik(const std::filesystem::path& katalog);

// Moves the rest of a committed set into place after an interrupted save, or throws away the
// files of a save that never reached its commit. False (with a Polish reason) only when a
// committed set cannot be moved into place.
bool dokoncz(const std::filesystem::path& katalog, std::span<const std::string> nazwy,
             std::string* blad);

// Creates the directory when it is missing and replaces the set. On a failure before the
// commit the old set is left untouched.
bool zapisz(const std::filesystem::path& katalog, std::span<const plik> pliki, std::string* blad);

}  // namespace komplet
