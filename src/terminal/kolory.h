#pragma once
#include <map>
#include <utility>

// How one console attribute byte looks on a terminal with the given number of colours
// (0 for a terminal without colours). Colour numbers are the terminal's own (curses order:
// 1 red, 2 green, 4 blue).
struct wyglad {
    int znak = 7;
    int tlo = 0;
    bool pogrubiony = false;  // bright foreground where only 8 colours exist
    bool odwrocony = false;   // a coloured background on a terminal without colours
    bool podkreslony = false;
    bool operator==(const wyglad&) const = default;
};

// Without colours a coloured background is reverse video, and the foregrounds the position
// colours differ by become their own video attributes: blue underlined, cyan bold, magenta
// reverse, white plain. So goalkeepers, defenders, midfielders and forwards stay apart, and
// the user's row (blue on green) stays apart from the table's red rows.
wyglad wyglad_atrybutu(int atrybut, int kolorow);

// Colour pairs handed out in order of first use, so a screen's few combinations fit even a
// terminal with few pairs. Pair 0 is the terminal's own default and is never handed out.
class pary_kolorow {
  public:
    explicit pary_kolorow(int dostepnych) : dostepnych_(dostepnych) {}
    // The pair for (znak, tlo); nowa is set when the terminal must be told about it. When
    // all pairs are used up, 0.
    int para(int znak, int tlo, bool& nowa);

  private:
    int dostepnych_;
    std::map<std::pair<int, int>, int> pary_;
};
