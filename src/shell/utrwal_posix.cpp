#include <fcntl.h>
#include <unistd.h>

#include "shell/utrwal.h"

namespace komplet {

bool utrwal(const std::filesystem::path& sciezka) {
    const int fd = ::open(sciezka.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool zapisane = ::fsync(fd) == 0;
    return ::close(fd) == 0 && zapisane;
}

}  // namespace komplet
