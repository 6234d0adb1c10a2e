#include <filesystem>
#include <system_error>

#include "shell/blokada.h"

std::string folder_zajety() {
    std::error_code e;
    const auto folder = std::filesystem::current_path(e);
    return "gra juz dziala w folderze " + folder.string() +
           "; zakoncz ja, zanim zaczniesz nastepna";
}
