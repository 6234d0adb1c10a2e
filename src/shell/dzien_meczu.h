#pragma once

// "NASTEPNY MECZ": plays this round's cup leg or league match of the user's club.
void nastepnymecz();

// Fewer selected players than this lose the match by walkover.
constexpr int najmniej_graczy = 7;
