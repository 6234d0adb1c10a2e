#pragma once
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <set>
#include <string>

#include "club/boisko.h"
#include "league/zespoly.h"

// What must hold between any two matches of a long run: the tables add up, the 54 clubs stay
// distinct, the cup is sane, strengths survive a season end and money never wraps around.
class straznik {
  public:
    testing::AssertionResult operator()() {
        auto wynik = sprawdz() << " (season " << DR.sezon << ", round " << DR.nr_kolejki << ")";
        sezon_ = DR.sezon;
        kasa_ = ST.kasa;
        dlug_ = ST.dlug;
        return wynik;
    }

  private:
    testing::AssertionResult sprawdz() const {
        using testing::AssertionFailure;
        std::set<std::string> nazwy;
        for (int t = 0; t < zespoly::lig; ++t) {
            long bilans = 0;
            for (int d = 0; d < zespoly::druzyn; ++d) {
                const int w = DR.zwyciestwa[t][d], r = DR.remisy[t][d];
                if (w + r + DR.porazki[t][d] != DR.nr_kolejki || DR.punkty[t][d] != 3 * w + r) {
                    return AssertionFailure() << DR.nazwa[t][d] << ": W/D/L or points";
                }
                if (DR.sezon != sezon_ && DR.sila[t][d] < 5) {
                    return AssertionFailure() << DR.nazwa[t][d] << " too weak after the season";
                }
                bilans += DR.strzelone[t][d] - DR.stracone[t][d];
                nazwy.insert(DR.nazwa[t][d]);
            }
            if (bilans != 0) return AssertionFailure() << "tier " << t << " goals";
        }
        if (nazwy.size() != 54) return AssertionFailure() << nazwy.size() << " distinct names";
        const int ja = DR.twojaliga * zespoly::druzyn + DR.twojadruzyna;
        if (DR.puchar < 0 || DR.puchar > 14 ||
            (DR.puchar > 0 && (DR.rywal_pucharu == ja || DR.rywal_pucharu < 0 ||
                               DR.rywal_pucharu >= zespoly::lig * zespoly::druzyn))) {
            return AssertionFailure()
                   << "cup stage " << DR.puchar << ", rival " << DR.rywal_pucharu;
        }
        // No step moves money by more than the whole positive range: that would be a wrap.
        if (std::abs(kasa_ - ST.kasa) > INT_MAX || std::abs(dlug_ - ST.dlug) > INT_MAX ||
            ST.dlug < 0) {
            return AssertionFailure() << "money " << kasa_ << " -> " << ST.kasa << ", debt "
                                      << dlug_ << " -> " << ST.dlug;
        }
        return testing::AssertionSuccess();
    }

    int sezon_ = DR.sezon;
    long long kasa_ = ST.kasa;
    long long dlug_ = ST.dlug;
};
