#include <windows.h>

#include "shell/blokada.h"

// The handle stays open for the game's life; Windows releases the lock when the process ends.
bool zablokuj_folder(std::string* blad) {
    const HANDLE plik = CreateFileW(L".blokada", GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (plik == INVALID_HANDLE_VALUE) return true;
    OVERLAPPED od_poczatku{};
    if (LockFileEx(plik, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                   &od_poczatku))
        return true;
    const DWORD powod = GetLastError();
    CloseHandle(plik);
    if (powod != ERROR_LOCK_VIOLATION) return true;
    *blad = folder_zajety();
    return false;
}
