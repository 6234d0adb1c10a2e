#pragma once

// The one value of the club the transfer market reads: the extra offers per league round the
// hired talent scout brings (ST's propozycje_lowcy, 0 without a scout), as it stands now.
int propozycje_lowcy();
