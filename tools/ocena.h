#pragma once
#include <vector>

// How the manager judges players: only from what the squad screen and the market show, and
// from the hints on the info screen (skill, fitness, experience and goal-scoring count).
struct zawodnik {
    int slot = -1;  // -1 for a market offer
    int pozycja = 0;
    int umiejetnosci = 0;
    int sily = 20;
    int wiek = 0;
    int meczy = 0;
    double bramkostrzelnosc = 0;  // an estimate: the screens never show it
};

// The player's share of his line's strength.
double wklad(const zawodnik& z);

// The best eleven with one goalkeeper, at least three defenders and three midfielders, and
// how good it is: the goals it should score minus the goals it should concede against a club
// of strength sila.
struct jedenastka {
    std::vector<int> wybrani;  // indices into the candidates
    double bilans = -1e9;
};
jedenastka najlepsza(const std::vector<zawodnik>& kadra, int sila);

// The players fresh enough to play: everyone not tired, and the freshest of the tired where
// a line or the eleven would otherwise be short. A rest brings five points back, a match
// costs one, so a player rested early plays most.
std::vector<zawodnik> wypoczeci(const std::vector<zawodnik>& kadra);

// The goal-scoring estimate for a player of the squad, from his goals per match.
double bramkostrzelnosc_z_bramek(int pozycja, int bramki, int meczy);
// The goal-scoring estimate for a market offer: only old scorers are marked on the screen.
double bramkostrzelnosc_oferty(int pozycja, int wiek, bool bramkostrzelny);
