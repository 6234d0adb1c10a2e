#pragma once
#include <deque>
#include <optional>

#include "terminal/ekran.h"
#include "terminal/klawiatura.h"
#include "terminal/widok_okna.h"

// The console bytes a window has for the game, from the presses it reports. The view decides
// first: a scroll key only moves it, F1 and the key that closes its help only open and close
// that, and a resize only repaints, so none of them reaches the game;
// any other key brings the view back to the cursor and its bytes wait here (an arrow is two,
// a held key as many times as it repeated), one per key read.
class kolejka_bajtow {
  public:
    void przyjmij(const nacisniecie& n, widok_okna& widok, const ekran& e, int razy = 1);
    std::optional<int> nastepny();

  private:
    std::deque<int> bajty_;
};
