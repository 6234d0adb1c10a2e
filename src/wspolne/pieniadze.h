#pragma once
#include <algorithm>
#include <cstdint>
#include <limits>

// Money is a signed 32-bit number of zl that never wraps around: every change saturates.
inline int nasycone(long long wartosc) {
    return static_cast<int>(std::clamp<long long>(wartosc, std::numeric_limits<std::int32_t>::min(),
                                                  std::numeric_limits<std::int32_t>::max()));
}

inline void dodaj(int& pole, long long ile) {
    pole = nasycone(static_cast<long long>(pole) + ile);
}
