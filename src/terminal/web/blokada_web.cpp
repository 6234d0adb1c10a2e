#include "shell/blokada.h"

// The page's files live in its own memory: no other game can reach them.
bool zablokuj_folder(std::string*) {
    return true;
}
