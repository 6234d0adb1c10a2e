#include <windows.h>

#include <system_error>

#include "shell/utrwal.h"

namespace komplet {

// An unprivileged program cannot flush a directory on Windows, and need not: NTFS journals the
// renames that change its entries, in order, and libstdc++'s rename is MoveFileExW replacing
// the old file.
bool utrwal(const std::filesystem::path& sciezka) {
    const DWORD cechy = GetFileAttributesW(sciezka.c_str());
    if (cechy == INVALID_FILE_ATTRIBUTES) return false;
    if (cechy & FILE_ATTRIBUTE_DIRECTORY) return true;
    HANDLE plik = CreateFileW(sciezka.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (plik == INVALID_HANDLE_VALUE) return false;
    const bool zapisane = FlushFileBuffers(plik) != 0;
    return CloseHandle(plik) != 0 && zapisane;
}

std::string miejsce(const std::filesystem::path& katalog) {
    std::error_code e;
    const auto pelna = std::filesystem::absolute(katalog, e);
    return "w " + (e ? katalog : pelna).string();
}

}  // namespace komplet
