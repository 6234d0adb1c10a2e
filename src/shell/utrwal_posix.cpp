#include <fcntl.h>
#include <unistd.h>

#include <system_error>

#include "shell/utrwal.h"

namespace komplet {

bool utrwal(const std::filesystem::path& sciezka) {
    const int fd = ::open(sciezka.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool zapisane = ::fsync(fd) == 0;
    return ::close(fd) == 0 && zapisane;
}

std::string miejsce(const std::filesystem::path& katalog) {
    std::error_code e;
    const auto pelna = std::filesystem::absolute(katalog, e);
    return "w " + (e ? katalog : pelna).string();
}

}  // namespace komplet
