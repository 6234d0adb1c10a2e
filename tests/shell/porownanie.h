#pragma once

class zespoly;
class gracze;
class boisko;

// Field-by-field expectations that two game objects hold the same game. Names compare as
// text; a squad compares its occupied slots only (free slots carry no game). The name pools
// of the market and the sponsors are compared separately, as they never come from a save.
void oczekuj_tych_samych(const zespoly& a, const zespoly& b);
void oczekuj_tych_samych(const gracze& a, const gracze& b);
void oczekuj_tych_samych(const boisko& a, const boisko& b);
