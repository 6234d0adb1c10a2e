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

bool wczytaj_gre(std::string* blad) {
    // Everything is read into copies first, so a damaged file leaves no half-loaded game.
    zespoly dr = DR;
    gracze gr = GR;
    boisko st = ST;
    std::string powod;
    if (!dr.load("druzyny-1995.txt", &powod)) return odmowa(blad, "druzyny-1995.txt", powod);
    if (!gr.load("gracze.txt", &powod)) return odmowa(blad, "gracze.txt", powod);
    if (!gr.loadrynek("rynek.txt", &powod)) return odmowa(blad, "rynek.txt", powod);
    if (!st.load("stadion.txt", &powod)) return odmowa(blad, "stadion.txt", powod);
    if (!st.loadsponsor("sponsorzy.txt", &powod)) return odmowa(blad, "sponsorzy.txt", powod);
    gr.oferty = 0;
    DR = dr;
    GR = gr;
    ST = st;
    return true;
}
