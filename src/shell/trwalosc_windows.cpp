#include <windows.h>

#include "shell/trwalosc.h"

namespace trwalosc {

// A directory cannot be flushed like a file on Windows, and need not be: the rename that
// changes its entries is written through by zastap itself.
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

// libstdc++'s rename allows a copy instead of a move and returns before the disk has the new
// name; neither suits the last step of a save.
bool zastap(const std::filesystem::path& z, const std::filesystem::path& na) {
    return MoveFileExW(z.c_str(), na.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
           0;
}

}  // namespace trwalosc
