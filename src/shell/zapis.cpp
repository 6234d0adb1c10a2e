#include "shell/zapis.h"

#include <filesystem>
#include <sstream>
#include <string>

#include "club/boisko.h"
#include "league/zespoly.h"
#include "shell/komplet.h"
#include "shell/pliki_zapisu.h"
#include "shell/utrwal.h"
#include "squad/gracze.h"
#include "terminal/klawisze.h"
#include "terminal/konsola.h"

namespace {
const std::string nazwy[] = {pliki_zapisu[0], pliki_zapisu[1], pliki_zapisu[2]};

std::string w_zapisie(const char* plik) {
    return std::string(katalog_zapisu) + "/" + plik;
}

bool zapytaj(const char* pytanie) {
    klawisze_ekranu pomoc(ekran_gry::pytanie);
    cls();
    drukuj("%s", pytanie);
    return klawisz() == klawisze::tak;
}

// Our reasons can be longer than a row: they break between words, never inside one.
std::string zawiniety(const std::string& tekst) {
    constexpr std::size_t szerokosc = 79;
    std::string wynik;
    std::size_t w_wierszu = 0;
    std::istringstream slowa(tekst);
    for (std::string slowo; slowa >> slowo;) {
        if (w_wierszu > 0 && w_wierszu + 1 + slowo.size() > szerokosc) {
            wynik += "\n\r";
            w_wierszu = 0;
        } else if (w_wierszu > 0) {
            wynik += ' ';
            ++w_wierszu;
        }
        wynik += slowo;
        w_wierszu += slowo.size();
    }
    return wynik;
}

void zglos(const char* co, const std::string& powod) {
    klawisze_ekranu pomoc(ekran_gry::powrot);
    drukuj("%s\n\r%s\n\r", co, zawiniety("Powod: " + powod).c_str());
    klawisz();
}

// Every file is read whole into copies first, so a bad save leaves the game in play alone.
bool wczytaj_zapis(std::string* blad) {
    if (!komplet::dokoncz(katalog_zapisu, nazwy, blad)) return false;
    zespoly dr = DR;
    gracze gr = GR;
    boisko st = ST;
    const bool wczytane = dr.load(w_zapisie(pliki_zapisu[0]).c_str(), blad) &&
                          gr.load(w_zapisie(pliki_zapisu[1]).c_str(), blad) &&
                          st.load(w_zapisie(pliki_zapisu[2]).c_str(), blad) &&
                          gr.loadrynek("rynek.txt", blad) && st.loadsponsor("sponsorzy.txt", blad);
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
    if (!komplet::zapisz(katalog_zapisu, pliki, &blad)) {
        komunikat_stanu("Gra nie zapisana: " + blad);
        zglos("Gra NIE zostala zapisana!", blad);
        return;
    }
    drukuj("Zapisalem !");
    // The screen clears the words at once: the menu that follows says it instead.
    komunikat_stanu("Gra zapisana " + komplet::miejsce(katalog_zapisu));
}

void odczyt() {
    if (!zapytaj("Zaladowac gre? (t/n) \n\r")) return;
    std::string blad;
    if (wczytaj_zapis(&blad)) {
        komunikat_stanu("Gra wczytana: sezon " + std::to_string(DR.sezon) + "/" +
                        std::to_string(DR.sezon + 1) + ", kolejka " +
                        std::to_string(DR.nr_kolejki + 1));
        return;
    }
    std::error_code e;
    bool jest = false;
    for (const std::string& nazwa : nazwy)
        jest = jest || std::filesystem::exists(std::filesystem::path(katalog_zapisu) / nazwa, e);
    komunikat_stanu(jest ? "Gra nie wczytana: " + blad : "Brak zapisanej gry");
    zglos("Nie wczytano gry, gra toczy sie dalej bez zmian.", blad);
}
