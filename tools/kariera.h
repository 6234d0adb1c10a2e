#pragma once
#include <string>
#include <vector>

#include "autopilot.h"

// The figures of many careers, each one seed played for some seasons: the first season, the
// tiers reached, titles and cups, seasons ended in debt and the highest cash.
class kariera {
  public:
    // Seasons added from now on belong to a new seed.
    void nowe_ziarno();
    void dodaj(const wynik_sezonu& w);
    // Cash seen between seasons (after a match, say).
    void kasa(int kasa);
    // One "key: value" line per figure, in a fixed order; shares are decimals 0..1.
    std::string podsumowanie() const;

  private:
    struct ziarno {
        int sezony = 0;
        bool liga2 = false, liga1 = false, tytul = false, puchar = false;
    };

    ziarno biezace_;
    int ziaren_ = 0;
    long suma_miejsc_ = 0;
    int bez_dlugu_ = 0;
    int liga2_ = 0, liga1_ = 0, tytuly_ = 0, puchary_ = 0;
    std::vector<int> awanse_do_1_;  // the season of each seed's first in the top tier
    int sezonow_ = 0;
    int z_dlugiem_ = 0;
    long long najwiecej_kasy_ = 0;
    bool kasa_widziana_ = false;
};
