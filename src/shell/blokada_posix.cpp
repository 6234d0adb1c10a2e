#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "shell/blokada.h"

// An fcntl lock belongs to the process: the launcher's flock on the same file, inherited by
// the game through exec, neither blocks it nor is blocked by it. The descriptor stays open for
// the game's life (closing any descriptor of the file would drop the lock).
bool zablokuj_folder(std::string* blad) {
    const int fd = ::open(".blokada", O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (fd < 0) return true;
    struct flock calosc {};
    calosc.l_type = F_WRLCK;
    calosc.l_whence = SEEK_SET;
    if (::fcntl(fd, F_SETLK, &calosc) == 0) return true;
    const int powod = errno;
    ::close(fd);
    if (powod != EACCES && powod != EAGAIN) return true;
    *blad = folder_zajety();
    return false;
}
