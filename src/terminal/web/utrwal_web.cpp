#include <system_error>

#include "shell/utrwal.h"
#include "terminal/web/most.h"

namespace komplet {

// A file lives in memory until its directory is synced to the browser's storage; the sync
// carries every change of the mount in one transaction, so the directory's step is the flush.
bool utrwal(const std::filesystem::path& sciezka) {
    std::error_code e;
    const auto stan = std::filesystem::status(sciezka, e);
    if (e) return false;
    return !std::filesystem::is_directory(stan) || strona::utrwal();
}

// The page keeps the files in the browser; "Pobierz zapis" brings them to the disk.
std::string miejsce(const std::filesystem::path&) {
    return "w pamieci przegladarki";
}

}  // namespace komplet
