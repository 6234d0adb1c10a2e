#include "shell/utrwal.h"

#include <fcntl.h>
#include <unistd.h>

namespace komplet {

// Until fsync returns the data may still sit in the cache and vanish with the power.
bool utrwal(const std::filesystem::path& sciezka) {
    const int fd = ::open(sciezka.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool zapisane = ::fsync(fd) == 0;
    return ::close(fd) == 0 && zapisane;
}

}  // namespace komplet
