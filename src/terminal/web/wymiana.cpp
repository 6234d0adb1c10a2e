#include "terminal/web/wymiana.h"

#include <memory>
#include <system_error>
#include <vector>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "shell/komplet.h"
#include "shell/pliki_zapisu.h"
#include "squad/gracze.h"

namespace fs = std::filesystem;

namespace {
bool odmowa(std::string* blad, const std::string& tekst) {
    *blad = tekst;
    return false;
}

// Loaded into copies: checking a file must not touch the game in play.
bool wczytuje_sie(const fs::path& skad, std::string* blad) {
    for (const char* nazwa : pliki_zapisu) {
        std::error_code e;
        if (!fs::is_regular_file(skad / nazwa, e))
            return odmowa(blad, std::string("brak pliku ") + nazwa);
    }
    std::string powod;
    // The loaders do not always name their file; the player is told which one it was.
    const auto odrzuc = [&](const char* nazwa) {
        if (powod.find(nazwa) != std::string::npos) return odmowa(blad, powod);
        return odmowa(blad,
                      std::string("plik ") + nazwa + ": " + (powod.empty() ? "uszkodzony" : powod));
    };
    const auto dr = std::make_unique<zespoly>(DR);
    const auto gr = std::make_unique<gracze>(GR);
    const auto st = std::make_unique<boisko>(ST);
    if (!dr->load((skad / pliki_zapisu[0]).string().c_str(), &powod))
        return odrzuc(pliki_zapisu[0]);
    if (!gr->load((skad / pliki_zapisu[1]).string().c_str(), &powod))
        return odrzuc(pliki_zapisu[1]);
    if (!st->load((skad / pliki_zapisu[2]).string().c_str(), &powod))
        return odrzuc(pliki_zapisu[2]);
    return true;
}
}  // namespace

bool wgraj_zapis(const fs::path& skad, const fs::path& katalog, std::string* blad) {
    if (!wczytuje_sie(skad, blad)) return false;
    std::vector<komplet::plik> pliki;
    for (const char* nazwa : pliki_zapisu) {
        pliki.push_back({nazwa, [zrodlo = skad / nazwa](const char* sciezka) {
                             std::error_code e;
                             fs::copy_file(zrodlo, sciezka, fs::copy_options::overwrite_existing,
                                           e);
                             return !e;
                         }});
    }
    return komplet::zapisz(katalog, pliki, blad);
}
