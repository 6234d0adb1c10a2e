#pragma once
#include <filesystem>

namespace komplet {

// Waits until a file's data, or a directory's entries, are on the disk and not only in the
// cache that a power cut empties. The one platform call of the save set.
bool utrwal(const std::filesystem::path& sciezka);

}  // namespace komplet
