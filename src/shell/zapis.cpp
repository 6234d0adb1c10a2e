#include "shell/zapis.h"

#include <string>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "shell/komplet.h"
#include "squad/gracze.h"
#include "terminal/klawisze.h"
#include "terminal/konsola.h"

namespace {
const char* const katalog = "save";
const std::string nazwy[] = {"druzyny.txt", "gracze.txt", "stadion.txt"};

bool zapytaj(const char* pytanie) {
    cls();
    drukuj("%s", pytanie);
    return klawisz() == klawisze::tak;
}

void zglos(const char* co, const std::string& powod) {
    drukuj("%s\n\rPowod: %s\n\r", co, powod.c_str());
    klawisz();
}

// Every file is read whole into copies first, so a bad save leaves the game in play alone.
bool wczytaj_zapis(std::string* blad) {
    if (!komplet::dokoncz(katalog, nazwy, blad)) return false;
    zespoly dr = DR;
    gracze gr = GR;
    boisko st = ST;
    const bool wczytane = dr.load("save/druzyny.txt", blad) && gr.load("save/gracze.txt", blad) &&
                          st.load("save/stadion.txt", blad) && gr.loadrynek("rynek.txt", blad) &&
                          st.loadsponsor("sponsorzy.txt", blad);
    if (!wczytane) return false;
    DR = dr;
    GR = gr;
    ST = st;
    return true;
}
}  // namespace

void zapis() {
    if (!zapytaj("Zapisac gre? (t/n) \n\r")) return;
    const komplet::plik pliki[] = {
        {nazwy[0], [](const char* s) { return DR.save(s); }},
        {nazwy[1], [](const char* s) { return GR.save(s); }},
        {nazwy[2], [](const char* s) { return ST.save(s); }},
    };
    std::string blad;
    if (!komplet::zapisz(katalog, pliki, &blad)) {
        zglos("Gra NIE zostala zapisana!", blad);
        return;
    }
    drukuj("Zapisalem !");
}

void odczyt() {
    if (!zapytaj("Zaladowac gre? (t/n) \n\r")) return;
    std::string blad;
    if (!wczytaj_zapis(&blad)) zglos("Nie wczytano gry, gra toczy sie dalej bez zmian.", blad);
}
