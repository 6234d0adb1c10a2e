#pragma once
#include <filesystem>

namespace komplet {

// Makes a written file, or a directory's entries, survive the program and the machine: the
// step differs by platform, so the build picks its one implementation.
bool utrwal(const std::filesystem::path& sciezka);

}  // namespace komplet
