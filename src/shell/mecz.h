#pragma once

// A computer clubs' match from their strengths; the home club gets 0 or 1 goal more.
void wynik(int gospodarz, int gosc, int* gole_gospodarza, int* gole_goscia);
// The user's match from the line-up's strengths against the opponent's; prints the two
// expectation numbers "%f:%f". The home bonus is added by the match day.
void twojwynik(int at, int pom, int obr, int s, int* twoje_gole, int* gole_rywala);
