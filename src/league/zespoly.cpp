#include "league/zespoly.h"

zespoly DR;

// The cup aggregates are the only fields a fresh object sets itself; everything else comes
// from the data file.
zespoly::zespoly() {
    dwumecz_zdobyte = 0;
    dwumecz_stracone = 0;
}
