#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "autopilot.h"
#include "ocena.h"

class ekran;
class skrypt;

// A player who manages: before every match day he sells, borrows, buys, sets the stadium and
// picks the eleven, all through the game's own screens and keys, and he judges only by what
// those screens show. A yardstick of what a sensible player can reach, not an AI. Installs
// itself as the script's pilot for as long as it lives.
class menedzer {
  public:
    explicit menedzer(skrypt& s);
    ~menedzer();
    menedzer(const menedzer&) = delete;
    menedzer& operator=(const menedzer&) = delete;

    // Match days until the season ends; po_meczu runs after each one. Throws when the
    // season does not end within the match days a season can hold.
    wynik_sezonu rozegraj_sezon(const std::function<void()>& po_meczu = {});

  private:
    // He buys nobody past his peak and sells the old who no longer play.
    static constexpr int wiek_szczytu = 31;

    // What the squad screen is used for while it is open.
    enum class na_skladzie { wyjdz, przelacz, sprzedaj };

    int odpowiedz(const ekran& e);
    int na_liscie(const ekran& e);
    int na_rynku(const ekran& e, int wiersz_wyboru);
    int na_ofercie(const ekran& e);
    void po_meczu(const ekran& e);

    void przed_meczem();
    void sprzedaj();
    void bank();
    void kup();
    void stadion();
    void ustaw_sklad();

    static void zmien(std::string& klawisze, int o_ile);
    std::vector<zawodnik> kadra() const;
    int rezerwa() const;
    int popyt(int poziom) const;

    skrypt& skrypt_;
    kronika kronika_;
    na_skladzie tryb_ = na_skladzie::wyjdz;
    int klawiszy_na_liscie_ = 0;
    std::vector<std::string> cele_;          // names to choose on the squad screen, in order
    std::map<std::string, double> notatki_;  // goal-scoring guessed when a player was bought
    int rynek_w_kolejce_ = -1;               // the round whose market was last visited
    int brakowalo_ = 0;                      // the price a good offer lacked in cash
    int sila_rywala_ = 40;                   // a running mean of what the match screens showed
    int ostatni_rywal_ = 0;                  // what the last match screen showed
    int popyt_ = 0;                          // fans who wanted tickets at the last home match
    int poziom_popytu_ = 2;                  // the ticket level they wanted them at
    int liga_popytu_ = 2;                    // and the tier
    int utrzymanie_ = 0;                     // the stadium's upkeep at the last match
};
