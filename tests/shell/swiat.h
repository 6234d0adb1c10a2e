#pragma once
#include <string>

class skrypt;

// Hand-made game states for the match day, cup and season tests.

// Tiers of clubs named "K<tier>_<slot>", all of strength sila, round 0, no results, no cup;
// the user in tier liga, slot druzyna.
void prosta_liga(int liga, int druzyna, int sila = 30);
// A player in the next free slot (fitness 20, age 25, 50 matches), selected when gra is 1.
void dodaj_gracza(int pozycja, int umiejetnosci, int bramkostrzelnosc, int gra = 1);
// Eleven selected players: a goalkeeper, four defenders, four midfielders, two forwards.
void pelny_sklad();
// A goalkeeper, nine defenders and one forward who scores with every chance (ability 80):
// each goal of the user's costs exactly one random draw when the scorers are picked.
void sklad_z_jednym_strzelcem();
// A club with cash, a stadium, a sponsor and a scout, so no offers interrupt the accounts.
void klub_z_kontraktami();

// Every screen shown at a key read, joined; and the screen as it is now.
std::string wszystkie_ekrany(const skrypt& s);
bool pokazano(const skrypt& s, const std::string& tekst);
// The amount printed after the last " Bilans ogolny" label: the accounts' own change of cash.
int bilans_ogolny(const skrypt& s);
