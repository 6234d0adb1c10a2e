#include <filesystem>
#include <system_error>

#include "shell/blokada.h"

#include "jezyk/jezyk.h"

std::string folder_zajety() {
    std::error_code e;
    const auto folder = std::filesystem::current_path(e);
    return _("gra juz dziala w folderze ") + folder.string() +
           _("; zakoncz ja, zanim zaczniesz nastepna");
}
