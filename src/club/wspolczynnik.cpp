#include "club/wspolczynnik.h"

// Money scales with the tier: the top league is worth twelve times the third.
int wstawwsp(int liga) {
    switch (liga) {
        case 0:
            return 12;
        case 1:
            return 3;
        default:
            return 1;
    }
}
