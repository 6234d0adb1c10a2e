#pragma once
#include <functional>

class ekran;
class skrypt;

// How one season played by the autopilot ended for the user's club.
struct wynik_sezonu {
    int sezon = 0;
    int miejsce = 0;      // final place in the tier the season was played in
    int liga = 0;         // that tier
    int nowa_liga = 0;    // after promotion or relegation
    int kasa = 0;         // cash once the next season has been opened
    bool puchar = false;  // the cup was won
};

// What a pilot notes from the keys it is asked for: the final place, read at the first key
// after the last round (before the leagues reorder their clubs), and a cup won.
class kronika {
  public:
    void nowy_sezon() { *this = {}; }
    void zanotuj(const ekran& e);
    wynik_sezonu wynik(int sezon) const;

  private:
    bool koniec_sezonu_ = false;
    bool puchar_ = false;
    int miejsce_ = 0;
    int liga_ = 0;
};

// Plays the game hands-off on the scripted console: every key it is asked for is space, so
// every pause goes on and every offer is declined at once. Installs itself as the script's
// pilot for as long as it lives.
class autopilot {
  public:
    explicit autopilot(skrypt& s);
    ~autopilot();
    autopilot(const autopilot&) = delete;
    autopilot& operator=(const autopilot&) = delete;

    // Before every match day, field the freshest eleven (one goalkeeper, four defenders,
    // four midfielders, two forwards) as a manager who rests his tired players would.
    void rotuj_sklad(bool tak) { rotacja_ = tak; }

    // Match days until the season ends; po_meczu runs after each one. Throws when the
    // season does not end within the match days a season can hold.
    wynik_sezonu rozegraj_sezon(const std::function<void()>& po_meczu = {});

  private:
    int odpowiedz(const ekran& e);
    void wybierz_sklad();

    skrypt& skrypt_;
    bool rotacja_ = false;
    kronika kronika_;
};
