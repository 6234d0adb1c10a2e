#include <fcntl.h>
#include <unistd.h>

#include <system_error>

#include "shell/trwalosc.h"

namespace trwalosc {

// Until fsync returns the data may still sit in the cache and vanish with the power.
bool utrwal(const std::filesystem::path& sciezka) {
    const int fd = ::open(sciezka.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool zapisane = ::fsync(fd) == 0;
    return ::close(fd) == 0 && zapisane;
}

// rename(2) replaces the target atomically; the directory's fsync makes it last.
bool zastap(const std::filesystem::path& z, const std::filesystem::path& na) {
    std::error_code e;
    std::filesystem::rename(z, na, e);
    return !e;
}

}  // namespace trwalosc
