#pragma once
#include <string>
#include <vector>

// The screens of the game as the player meets them, each with its line of keys and the help
// that F1 opens over it. One table holds both, so the short line and the full help never
// name different keys.
enum class ekran_gry {
    brak,
    menu,
    sklad,
    sprzedarz,
    kupno,
    oferta,
    stadion,
    bank,
    pytanie,
    powrot,
    tabela,
    mecz,
    info,
};

// The screen's key line; "{N}" switches to console attribute N, "{wyjscie}" stands for the
// platform's way out. A screen may add to its end (the squad's position colours).
std::string klawisze_ekranu_gry(ekran_gry id);
// The help for the screen: what it is, each key, what to watch for; one line per element,
// each at most 78 characters.
std::vector<std::string> opis_ekranu_gry(ekran_gry id);
