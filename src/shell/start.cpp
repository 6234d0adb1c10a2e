#include "shell/start.h"

#include "club/boisko.h"
#include "league/zespoly.h"
#include "squad/gracze.h"

namespace {
bool odmowa(std::string* blad, const char* plik, const std::string& powod) {
    if (blad == nullptr) return false;
    // The loaders usually name their file already; it is said once.
    if (powod.find(plik) != std::string::npos) {
        *blad = "nie mozna wczytac gry: " + powod;
    } else {
        *blad =
            std::string("nie mozna wczytac pliku ") + plik + (powod.empty() ? "" : ": " + powod);
    }
    return false;
}
}  // namespace

bool wczytaj_gre(std::string* blad, const std::string& katalog) {
    const auto sciezka = [&](const char* plik) {
        return katalog.empty() ? std::string(plik) : katalog + "/" + plik;
    };
    // Everything is read into copies first, so a damaged file leaves no half-loaded game.
    zespoly dr = DR;
    gracze gr = GR;
    boisko st = ST;
    std::string powod;
    const auto odmow = [&](const char* plik) { return odmowa(blad, plik, powod); };
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
