#pragma once
#include <filesystem>
#include <string>

namespace komplet {

// Waits until a file's data, or a directory's entries, are on the disk and not only in the
// cache that a power cut empties. The one platform call of the save set.
bool utrwal(const std::filesystem::path& sciezka);

// Where the player finds a directory's files, in words for a message: "w" and its full path,
// or, in the browser, its storage.
std::string miejsce(const std::filesystem::path& katalog);

}  // namespace komplet
