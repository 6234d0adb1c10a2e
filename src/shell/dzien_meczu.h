#pragma once

// "NASTEPNY MECZ": plays this round's cup leg or league match of the user's club.
void nastepnymecz();
