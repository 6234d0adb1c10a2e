#pragma once
#include <filesystem>

// The two steps of a save that each operating system makes durable in its own way; the build
// picks the one source file that implements them.
namespace trwalosc {

// Forces a written file (or a directory's entries) out of the cache onto the disk.
bool utrwal(const std::filesystem::path& sciezka);

// Puts `z` in place of `na`, replacing an existing file in one step; false when it cannot.
bool zastap(const std::filesystem::path& z, const std::filesystem::path& na);

}  // namespace trwalosc
