#include "shell/start.h"

#include <filesystem>

#include "club/boisko.h"
#include "jezyk/jezyk.h"
#include "league/zespoly.h"
#include "squad/gracze.h"

namespace {
// The loaders name the file and the fault; where the game looks for its files is a fact of
// the platform, so the caller brings that line.
bool odmowa(std::string* blad, const std::string& sciezka, const std::string& powod,
            const std::string& wskazowka) {
    if (blad == nullptr) return false;
    *blad = _("nie mozna wczytac gry: ") + powod;
    std::error_code e;
    if (!wskazowka.empty() && !std::filesystem::exists(sciezka, e)) *blad += "\n" + wskazowka;
    return false;
}
}  // namespace

bool wczytaj_gre(std::string* blad, const std::string& katalog, const std::string& wskazowka) {
    const auto sciezka = [&](const char* plik) {
        return katalog.empty() ? std::string(plik) : katalog + "/" + plik;
    };
    // Everything is read into copies first, so a damaged file leaves no half-loaded game.
    zespoly dr = DR;
    gracze gr = GR;
    boisko st = ST;
    std::string powod;
    const auto odmow = [&](const char* plik) {
        return odmowa(blad, sciezka(plik), powod, wskazowka);
    };
    if (!dr.load(sciezka("druzyny-1995.txt").c_str(), &powod)) return odmow("druzyny-1995.txt");
    if (!gr.load(sciezka("gracze.txt").c_str(), &powod)) return odmow("gracze.txt");
    if (!gr.loadrynek(sciezka("rynek.txt").c_str(), &powod)) return odmow("rynek.txt");
    if (!st.load(sciezka("stadion.txt").c_str(), &powod)) return odmow("stadion.txt");
    if (!st.loadsponsor(sciezka("sponsorzy.txt").c_str(), &powod)) return odmow("sponsorzy.txt");
    gr.oferty = 0;
    DR = dr;
    GR = gr;
    ST = st;
    return true;
}
