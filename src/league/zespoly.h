#pragma once
#include <string>

// The three leagues of 18 clubs, the season and round counters, the user's club and the
// user's run in the cup. One instance: DR. A club is (tier 0..2, 0 the top league; slot 0..17,
// its place in the tier for the season); the cup names it by its global index tier * 18 + slot.
//
// The cup, as puchar (stage), mecz_pucharowy (flag) and rywal_pucharu (opponent) encode it:
//
//   puchar      meaning
//   0           the user is out of the cup (or has won it)
//   1..14       the next leg to play; legs 2k-1 and 2k form tie k (1/64, 1/32, ... the final)
//   odd         a first leg, played away; the aggregate starts from 0:0
//   even        a second leg, played at home; a level aggregate goes to penalties
//   14          the final's second leg: winning it wins the cup and sets puchar to 0
//
//   mecz_pucharowy  0 or 1. Saved with the game and also the match day's control flag: in an
//                   even round it is 1 from the cup leg until the round's league match, so
//                   the next "NASTEPNY MECZ" (even after a load) plays the league match.
//   rywal_pucharu   the opponent as tier * 18 + slot (0..53); never the user's own club.
class zespoly {
  public:
    static constexpr int lig = 3;
    static constexpr int druzyn = 18;
    static constexpr int klubow = lig * druzyn;
    // Rounds are 0..33; after the last one the season ends.
    static constexpr int ostatnia_kolejka = 33;
    static constexpr int final_rewanz = 14;
    // The tables' colours: the promotion and relegation bands, and the user's club.
    static constexpr int kolor_strefy = 79;
    static constexpr int kolor_twojej = 33;

    zespoly();

    int sezon{};             // first calendar year of the season (1995 for 1995/1996)
    int nr_kolejki{};        // rounds completed, 0..33; the next round to play
    int twojaliga{};         // the user's tier, 0..2
    int twojadruzyna{};      // the user's slot in that tier, 0..17
    int puchar{};            // cup stage 0..14, see the table above
    int rywal_pucharu{};     // global club index 0..53, see above
    int dwumecz_zdobyte{};   // the user's goals in the current tie, summed over its legs
    int dwumecz_stracone{};  // the opponent's goals in the current tie
    int mecz_pucharowy{};    // 0 or 1, see above
    // Indexed [tier][slot]. Names are one word of at most 23 characters, NUL-terminated.
    char nazwa[lig][druzyn][24]{};
    int sila[lig][druzyn]{};        // strength the match engine compares; at least 5 after a season
    int strzelone[lig][druzyn]{};   // league goals scored this season
    int stracone[lig][druzyn]{};    // league goals conceded this season
    int remisy[lig][druzyn]{};      // draws this season
    int zwyciestwa[lig][druzyn]{};  // wins this season
    int porazki[lig][druzyn]{};     // defeats this season
    int punkty[lig][druzyn]{};      // 3 a win, 1 a draw; the table's only ranking key

    // A file that cannot be read whole and valid leaves the object as it was; blad says why.
    bool load(const char* sciezka, std::string* blad = nullptr);
    bool save(const char* sciezka) const;

    // The user's opponent slot in round kolejka; *gdzie = 0 home, 1 away.
    int zkimmecz(int* gdzie, int kolejka) const;
    // Books gole_gospodarza:gole_goscia between two slots of one tier.
    void zaksieguj(int liga, int gospodarz, int gosc, int gole_gospodarza, int gole_goscia);
    void graj(int liga);
    void tabela(int liga) const;
    int ktoremiejsce(int liga, int druzyna) const;
    void pokaznastepnymecz() const;
    int kibicow(int poziom_ceny) const;
    void koniecsezonu();
};

extern zespoly DR;

// Round runda's pairs (home, away) of a double round robin among n = 18 slots.
void kolejka(int* pary, int runda, int n);
// Slots ranked by descending key; equal keys keep ascending slot order.
void sortuj(const int* klucze, int* ranking, int n);
