#pragma once

// The steps of the match day that only a cup leg takes.

// The cup leg's header on the match screen; at a second leg with the first leg's score.
void naglowek_pucharu();

// After the scorers of a cup leg: the aggregate, penalties after a level second leg, the
// cup's own gate (written to *kibice), progress or elimination, the winner's bonus and the
// television money. *rezultat becomes the tie's result from the user's side.
void po_meczu_pucharowym(int gole, int gole_rywala, int walkower, int* rezultat, int* kibice);

// The next opponent after a tie won at the even stage etap, as a global club index; never
// the user's own club.
int losuj_rywala(int etap);
