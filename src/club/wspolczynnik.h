#pragma once

// The tier coefficient that scales the club's money (wage rating, offers) and the league's
// attendance: 12 for tier 0, 3 for tier 1, 1 for any other value.
int wstawwsp(int liga);
